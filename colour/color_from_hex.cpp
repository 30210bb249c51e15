#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/digit_text.h"
#include "colour/hex_digits.h"
#include "colour/hex_part.h"
#include "colour/random_colour.h"
#include "colour/uicolor.h"

namespace vm::colour {
namespace {

// hextodec's work on the digit text, without its copies of each piece.
id colourFromHexText(const std::string& hexText, CGFloat alpha) {
  unsigned char bytes[3] = {0, 0, 0};
  componentBytes(digitTextFor(hexText), bytes);
  return colourFromBytes(bytes[0], bytes[1], bytes[2], alpha);
}

}  // namespace

id colourFromHexPart(std::string_view hexPart, CGFloat alpha) {
  if (hexPart.empty()) return colourFromHsb(drawRandomHsb(), alpha);
  if (hexPart.front() == '#') hexPart.remove_prefix(1);
  return colourFromHexText(std::string(hexPart), alpha);
}

}  // namespace vm::colour

id colorFromHex(id text) {
  // nil answers 0 to -length, so it takes the same way as an empty string.
  if (vm::send<NSUInteger>(text, vm::sel::length) == 0)
    return vm::colour::colourFromHsb(vm::colour::drawRandomHsb());
  // Only one "#" goes: "##abc" continues as "#abc".
  if (vm::send<BOOL>(text, vm::sel::hasPrefix_, vm::nsString("#")) != NO)
    text = vm::send<id>(text, vm::sel::substringFromIndex_, NSUInteger{1});
  // The bytes UTF8String hands over, up to its terminating NUL (an embedded U+0000 ends
  // the hex text there).
  return vm::colour::colourFromHexText(vm::stdString(text), 1.0);
}
