// Colour strings as a settings file or a person may hold them: the hex text through
// colorFromHex, the whole string with its ":alpha", and the hex conversions.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "colour/colour_string.h"
#include "colour/hex.h"
#include "fuzz/fuzz_support.h"

namespace {

bool componentsInRange(id colour) {
  CGFloat red = -1, green = -1, blue = -1, alpha = -1;
  vm::send<BOOL>(colour, vm::sel::getRed_green_blue_alpha_, &red, &green, &blue, &alpha);
  // The alpha is passed on as written (UIColor decides); the hex text always gives bytes.
  for (CGFloat c : {red, green, blue}) {
    if (!(c >= 0 && c <= 1)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vm::AutoreleasePool pool;
  id text = vm::fuzz::stringFromBytes(data, size);
  // The text before any ":" goes through colorFromHex.
  id colour = vm::colour::colourFromColourString(text);
  vm::fuzz::require(colour != nil && componentsInRange(colour), "colour string colour");

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  convertFromHex(bytes);
  std::vector<unsigned char> rgb(3, 0);
  try {
    hextodec(bytes, rgb);
  } catch (const std::out_of_range&) {
    // Documented for fewer than four characters.
    vm::fuzz::require(bytes.size() < 4, "hextodec raised on four or more characters");
  }
  return 0;
}
