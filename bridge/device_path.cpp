#include "device_path.h"

#include <unistd.h>

#include <cstdlib>

namespace vm {

std::string deviceRoot() {
#if defined(__APPLE__)
  return std::string();
#else
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
#endif
}

std::string hostPath(const std::string& devicePath) { return deviceRoot() + devicePath; }

}  // namespace vm
