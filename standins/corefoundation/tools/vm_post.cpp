// vm-post NAME...: posts each name on the Darwin centre of the device root in
// VELMOTINT_DEVICE_ROOT, as a person or a test would from outside the observing process.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "standins/corefoundation/CoreFoundation.h"

namespace {

constexpr const char* kUsage =
    "usage: vm-post NAME...\n"
    "  Posts each Darwin notification NAME to the processes of the device root\n"
    "  $VELMOTINT_DEVICE_ROOT (default $HOME/.velmotint/device), for example\n"
    "  vm-post com.tanvork.velmotint/settingschanged\n"
    "exit status: 0 posted, 1 the device root is not a directory, 2 misuse\n";

int misuse(const std::string& problem) {
  std::fprintf(stderr, "vm-post: %s\n%s", problem.c_str(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return misuse("no notification name given");
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg.size() > 1 && arg[0] == '-') return misuse("unknown option \"" + arg + "\"");
  }
  // A post into a root that does not exist reaches nobody; that is a mistyped root.
  const char* root = std::getenv("VELMOTINT_DEVICE_ROOT");
  std::error_code ec;
  if (root != nullptr && *root != '\0' && !std::filesystem::is_directory(root, ec)) {
    std::fprintf(stderr, "vm-post: the device root %s (VELMOTINT_DEVICE_ROOT) is not a directory\n",
                 root);
    return 1;
  }
  CFNotificationCenterRef center = CFNotificationCenterGetDarwinNotifyCenter();
  for (int i = 1; i < argc; ++i) {
    // Names come from the command line, so they cannot be literals for CFSTR.
    CFNotificationCenterPostNotification(center, __CFStringMakeConstantString(argv[i]), nullptr,
                                         nullptr, true);
  }
  return 0;
}
