#include "colour/colour_string.h"

#include <string_view>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/hex_part.h"
#include "colour/plain_colour_string.h"
#include "colour/uicolor.h"

namespace vm::colour {
namespace {

// Every ":" and "#" test through Foundation: texts outside ASCII, with an embedded NUL or
// an alpha that is not a plain decimal number.
id colourByMessages(id text) {
  static const id colon = retain(nsString(":"));
  id components = send<id>(text, sel::componentsSeparatedByString_, colon);
  // More than one component exactly when the text holds a ":".
  float alpha = 1.0f;
  if (send<NSUInteger>(components, sel::count) > 1)
    alpha = send<float>(send<id>(components, sel::objectAtIndex_, NSUInteger{1}), sel::floatValue);
  id hexPart = send<id>(components, sel::objectAtIndex_, NSUInteger{0});
  // An alpha outside 0..1 (or not a number at all) is passed on as read; UIColor decides.
  return colourWithAlpha(colorFromHex(hexPart), static_cast<CGFloat>(alpha));
}

}  // namespace

id colourFromColourString(id text) {
  // nil reads as the empty string: the random colour with alpha 1.0.
  // Short ASCII texts without a NUL have the same units as bytes: splitting the bytes at
  // ":" and testing for "#" give what Foundation's string operations give.
  char bytes[kShortTextUnits];
  PlainColourString parts;
  long length = text == nil ? 0 : shortAsciiText(text, bytes);
  if (length >= 0 && splitPlainColourString(std::string_view(bytes, length), &parts)) {
    // One colour made with its final alpha: UIColor keeps the alpha it is given exactly
    // as -colorWithAlphaComponent: would replace it.
    return colourFromHexPart(parts.hexPart, static_cast<CGFloat>(parts.alpha));
  }
  return colourByMessages(text);
}

}  // namespace vm::colour
