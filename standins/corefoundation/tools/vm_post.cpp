// vm-post NAME...: posts each name on the Darwin centre of the device root in
// VELMOTINT_DEVICE_ROOT, as a person or a test would from outside the observing process.
#include <cstdio>

#include "standins/corefoundation/CoreFoundation.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s NAME...\n", argv[0]);
    return 64;  // EX_USAGE
  }
  CFNotificationCenterRef center = CFNotificationCenterGetDarwinNotifyCenter();
  for (int i = 1; i < argc; ++i) {
    // Names come from the command line, so they cannot be literals for CFSTR.
    CFNotificationCenterPostNotification(center, __CFStringMakeConstantString(argv[i]), nullptr,
                                         nullptr, true);
  }
  return 0;
}
