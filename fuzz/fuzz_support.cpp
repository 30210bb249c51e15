#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "bridge/foundation.h"

// The platform log, replaced for the whole fuzz process (the executable's definition wins
// over GNUstep-base's): every non-hex character is logged, a fuzzer feeds millions of them,
// and formatting one log line costs more than the code under test.
extern "C" void NSLog(id, ...) {}

namespace vm::fuzz {
namespace {

constexpr NSUInteger kUTF8Encoding = 4;
constexpr NSUInteger kLatin1Encoding = 5;

id stringWithEncoding(const std::uint8_t* data, std::size_t size, NSUInteger encoding) {
  id made = send<id>(send<id>(cls::NSString.get(), sel::alloc), sel::initWithBytes_length_encoding_,
                     static_cast<const void*>(data), NSUInteger{size}, encoding);
  return send<id>(made, sel::autorelease);
}

}  // namespace

id stringFromBytes(const std::uint8_t* data, std::size_t size) {
  id text = stringWithEncoding(data, size, kUTF8Encoding);
  return text != nil ? text : stringWithEncoding(data, size, kLatin1Encoding);
}

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace vm::fuzz
