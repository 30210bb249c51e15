// The few things code every build compiles needs done only on Linux: device paths that
// live under a device root, and what GNUstep-base and the Linux leak checker need. The
// device has no device root and Apple's Foundation needs none of the rest, so there each
// is the identity or nothing, inline, and vanishes; on Linux the Linux-only library
// defines them (linux_only/device_path.cpp, linux_only/gnustep_quirks.cpp), and the device
// build compiles none of it.
#pragma once

#include <cstddef>
#include <string>

namespace vm {

#if defined(__APPLE__)
inline const std::string& currentHostPath(const std::string& devicePath) {
  return devicePath;
}
#else
// `devicePath` ("/var/mobile/...") under the current device root (linux_only/device_path.h),
// in storage of the calling thread's, valid until the thread asks again: no allocation
// once it has grown.
const std::string& currentHostPath(const std::string& devicePath);
#endif

namespace gnustep {

#if defined(__APPLE__)
inline void setUpFoundationClasses() {}
inline void setUpPropertyListClasses() {}
inline bool parserSurvivesDeclarations(const unsigned char*, size_t) {
  return true;
}
#else
// GNUstep keeps an object made the first time a class of ours or of Foundation's is set up
// (+initialize). Done once, inside the first pool, so that the leak check can name where
// (scripts/lsan.supp) instead of hiding whole libraries.
void setUpFoundationClasses();

// GNUstep sets up the classes behind reading and writing a property list the first time
// they are used, and keeps what that makes for the life of the process. This makes that
// first use on purpose, once, so the leak check can name it (scripts/lsan.supp).
void setUpPropertyListClasses();

// Whether every "<?" in `bytes` opens a whole XML declaration: GNUstep's XML parser reads
// past the end of its buffer, or asks for an absurd allocation, on one cut short.
bool parserSurvivesDeclarations(const unsigned char* bytes, size_t length);
#endif

}  // namespace gnustep
}  // namespace vm
