// Thin typed helpers over Foundation for the operations the whole tree repeats: strings,
// reference counting, autorelease pools and the platform log.
#pragma once

#include <objc/runtime.h>

#include <string>

#include "objc_send.h"
#include "selectors.h"

// Foundation's NSLog (GNUstep-base's on Linux); the format is an NSString. Declared here
// because Foundation's own header is Objective-C.
extern "C" void NSLog(id format, ...);

namespace vm {

// An autoreleased NSString holding the UTF-8 text (nil for a null pointer or text that is
// not UTF-8).
id nsString(const char* utf8);
inline id nsString(const std::string& utf8) {
  return nsString(utf8.c_str());
}

// The UTF-8 bytes of an NSString; empty for nil.
std::string stdString(id string);

// The characters of `string` as bytes, when it is at most kShortTextUnits UTF-16 units,
// all of them ASCII and none of them NUL: its UTF-8 bytes are then exactly these, one per
// unit. Copied with -getCharacters:range:, which converts nothing and allocates nothing.
// Returns the length, or -1 for nil or any other string.
inline constexpr size_t kShortTextUnits = 64;
long shortAsciiText(id string, char (&bytes)[kShortTextUnits]);

bool isKindOf(id object, Class cls);
inline bool isString(id object) {
  return isKindOf(object, cls::NSString);
}

inline id retain(id object) {
  return send<id>(object, sel::retain);
}
inline void release(id object) {
  send<void>(object, sel::release);
}
inline unsigned long retainCount(id object) {
  return send<unsigned long>(object, sel::retainCount);
}

// Every thread that makes Foundation objects needs a pool, as the device's run loops
// provide one; this one lives for a scope.
class AutoreleasePool {
 public:
  AutoreleasePool();
  ~AutoreleasePool();
  AutoreleasePool(const AutoreleasePool&) = delete;
  AutoreleasePool& operator=(const AutoreleasePool&) = delete;

 private:
  id pool_;
};

// The platform log, with a printf-style format.
void logf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vm
