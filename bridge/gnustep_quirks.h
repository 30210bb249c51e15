// What the bridge does only for GNUstep-base and the Linux leak checker. Apple's
// Foundation needs none of it, so the device build compiles none of it
// (bridge/gnustep_quirks.cpp is a Linux source only): there these are empty and vanish.
#pragma once

#include <cstddef>

namespace vm::gnustep {

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

}  // namespace vm::gnustep
