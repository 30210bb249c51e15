#include "foundation.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "bridge/linux_seams.h"

namespace vm {
namespace {

// NSRange's layout: two pointer-width unsigned integers, passed by value.
struct CharacterRange {
  NSUInteger location;
  NSUInteger length;
};

}  // namespace

id nsString(const char* utf8) {
  if (utf8 == nullptr) return nil;
  return send<id>(cls::NSString.get(), sel::stringWithUTF8String_, utf8);
}

std::string stdString(id string) {
  const char* bytes = send<const char*>(string, sel::UTF8String);
  return bytes == nullptr ? std::string() : std::string(bytes);
}

long shortAsciiText(id string, char (&bytes)[kShortTextUnits]) {
  const NSUInteger length = send<NSUInteger>(string, sel::length);
  if (string == nil || length > kShortTextUnits) return -1;
  uint16_t units[kShortTextUnits];
  send<void>(string, sel::getCharacters_range_, units, CharacterRange{0, length});
  for (NSUInteger i = 0; i < length; ++i) {
    if (units[i] == 0 || units[i] >= 0x80) return -1;
    bytes[i] = static_cast<char>(units[i]);
  }
  return static_cast<long>(length);
}

bool isKindOf(id object, Class cls) {
  if (object == nil || cls == nullptr) return false;
  return send<BOOL>(object, sel::isKindOfClass_, asId(cls)) != NO;
}

AutoreleasePool::AutoreleasePool()
    : pool_(send<id>(send<id>(cls::NSAutoreleasePool.get(), sel::alloc), sel::init)) {
  gnustep::setUpFoundationClasses();
}

AutoreleasePool::~AutoreleasePool() {
  release(pool_);
}

void logf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::vector<char> text(needed > 0 ? static_cast<size_t>(needed) + 1 : 1, '\0');
  if (needed > 0) std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  AutoreleasePool pool;
  NSLog(nsString("%s"), text.data());
}

}  // namespace vm
