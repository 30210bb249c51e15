#include "linux_only/device_path.h"

#include <unistd.h>

#include <cstdlib>

namespace vm {

std::string deviceRoot() {
  const char* configured = std::getenv(kDeviceRootVariable);
  std::string root;
  if (configured != nullptr && configured[0] != '\0') {
    root = configured;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    root = std::string(home) + "/.velmotint/device";
  } else {
    root = "/tmp/velmotint-device-" + std::to_string(getuid());
  }
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

namespace {

// One environment variable's value as last seen (unset and empty are told apart).
struct SeenVariable {
  bool set = false;
  std::string value;

  bool same(const char* now) const { return now == nullptr ? !set : set && value == now; }
  void remember(const char* now) {
    set = now != nullptr;
    value = set ? now : "";
  }
};

}  // namespace

// Per-thread memos, which only Linux can have: the oldest supported devices have no
// thread-local storage.
const std::string& currentDeviceRoot() {
  thread_local SeenVariable configured, home;
  thread_local std::string root;
  thread_local bool known = false;
  const char* configuredNow = std::getenv(kDeviceRootVariable);
  // HOME counts only while the root variable is unset or empty.
  const bool homeCounts = configuredNow == nullptr || configuredNow[0] == '\0';
  const char* homeNow = homeCounts ? std::getenv("HOME") : nullptr;
  if (!known || !configured.same(configuredNow) || (homeCounts && !home.same(homeNow))) {
    configured.remember(configuredNow);
    home.remember(homeNow);
    root = deviceRoot();
    known = true;
  }
  return root;
}

const std::string& currentHostPath(const std::string& devicePath) {
  thread_local std::string path;
  path.assign(currentDeviceRoot()).append(devicePath);
  return path;
}

std::string hostPath(const std::string& devicePath) {
  return deviceRoot() + devicePath;
}

}  // namespace vm
