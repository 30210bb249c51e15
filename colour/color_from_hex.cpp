#include <vector>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/digit_text.h"
#include "colour/random_colour.h"
#include "colour/uicolor.h"

id colorFromHex(id text) {
  // nil answers 0 to -length, so it takes the same way as an empty string.
  if (vm::send<NSUInteger>(text, vm::sel::length) == 0)
    return vm::colour::colourFromHsb(vm::colour::drawRandomHsb());
  // Only one "#" goes: "##abc" continues as "#abc".
  if (vm::send<BOOL>(text, vm::sel::hasPrefix_, vm::nsString("#")) != NO)
    text = vm::send<id>(text, vm::sel::substringFromIndex_, NSUInteger{1});
  // The bytes UTF8String hands over, up to its terminating NUL (an embedded U+0000 ends
  // the hex text there).
  const std::string hexText = vm::stdString(text);
  std::vector<unsigned char> bytes(3, 0);
  hextodec(vm::colour::digitTextFor(hexText), bytes);
  return vm::colour::colourFromBytes(bytes[0], bytes[1], bytes[2]);
}
