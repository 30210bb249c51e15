#include "colour/colour_string.h"

#include <string>

#include "bridge/foundation.h"
#include "bridge/objc_send.h"
#include "bridge/platform_types.h"
#include "bridge/selectors.h"
#include "colour/hex.h"
#include "colour/random_colour.h"

namespace vm::colour {
namespace {

// --- The UIColor factories the colour strings use

// The byte is divided in single precision, then widened: the colour must carry the same
// component values on both device widths.
CGFloat component(unsigned char byte) {
  return static_cast<CGFloat>(static_cast<float>(byte) / 255.0f);
}

id colourFromBytes(const unsigned char (&bytes)[3], CGFloat alpha) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, component(bytes[0]),
                  component(bytes[1]), component(bytes[2]), alpha);
}

// Computed in double; the 32-bit device's CGFloat is a float and takes them narrowed.
id randomColour(CGFloat alpha) {
  const Hsb hsb = drawRandomHsb();
  return send<id>(cls::UIColor.get(), sel::colorWithHue_saturation_brightness_alpha_,
                  static_cast<CGFloat>(hsb.hue), static_cast<CGFloat>(hsb.saturation),
                  static_cast<CGFloat>(hsb.brightness), alpha);
}

// The colour of a hex text whose "#" is already removed.
id colourFromHexText(std::string_view hexText, CGFloat alpha) {
  unsigned char bytes[3] = {0, 0, 0};
  componentBytes(hexText, bytes);
  return colourFromBytes(bytes, alpha);
}

// --- Colour strings from their bytes

// Up to nine digits the whole number is exact in an int and in a double, and so are the
// powers of ten below: the quotient is rounded once, as both the platform's reader and
// GNUstep's (an integer mantissa scaled by exact powers of ten) round it.
constexpr int kMaxDigits = 9;
constexpr double kPowersOfTen[kMaxDigits + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// The bytes of an ASCII colour string split at its first ":" into the hex text ("#" still
// on) and the alpha (1.0 without a ":"; further components ignored). False when the alpha
// is not plain, and Foundation must read the string.
bool splitColourString(std::string_view text, std::string_view* hexText, float* alpha) {
  const size_t colon = text.find(':');
  *hexText = text.substr(0, colon);
  *alpha = 1.0f;
  if (colon == std::string_view::npos) return true;
  const std::string_view rest = text.substr(colon + 1);
  return plainAlpha(rest.substr(0, rest.find(':')), alpha);
}

// What colorFromHex makes of these bytes, made at once with `alpha`.
id colourFromHexBytes(std::string_view hexText, CGFloat alpha) {
  if (hexText.empty()) return randomColour(alpha);
  if (hexText.front() == '#') hexText.remove_prefix(1);
  return colourFromHexText(hexText, alpha);
}

// --- Colour strings by Foundation's messages

// Every ":" and "#" test through Foundation: texts outside ASCII, with an embedded NUL or
// an alpha that is not a plain decimal number.
id colourByMessages(id text) {
  static const id colon = retain(nsString(":"));
  id components = send<id>(text, sel::componentsSeparatedByString_, colon);
  // More than one component exactly when the text holds a ":".
  float alpha = 1.0f;
  if (send<NSUInteger>(components, sel::count) > 1)
    alpha = send<float>(send<id>(components, sel::objectAtIndex_, NSUInteger{1}), sel::floatValue);
  id hexText = send<id>(components, sel::objectAtIndex_, NSUInteger{0});
  // An alpha outside 0..1 (or not a number at all) is passed on as read; UIColor decides.
  return send<id>(colorFromHex(hexText), sel::colorWithAlphaComponent_,
                  static_cast<CGFloat>(alpha));
}

}  // namespace

bool plainAlpha(std::string_view text, float* alpha) {
  if (text.empty()) {
    *alpha = 0.0f;
    return true;
  }
  long mantissa = 0;
  int digits = 0, fractionDigits = 0;
  bool dot = false;
  for (char c : text) {
    if (c == '.' && !dot) {
      dot = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > kMaxDigits) return false;
      mantissa = mantissa * 10 + (c - '0');
      if (dot) ++fractionDigits;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  *alpha = static_cast<float>(static_cast<double>(mantissa) / kPowersOfTen[fractionDigits]);
  return true;
}

id colourFromColourString(id text) {
  // nil reads as the empty string: the random colour with alpha 1.0.
  // Short ASCII texts without a NUL have the same units as bytes: splitting the bytes at
  // ":" and testing for "#" give what Foundation's string operations give.
  char bytes[kShortTextUnits];
  const long length = text == nil ? 0 : shortAsciiText(text, bytes);
  std::string_view hexText;
  float alpha = 1.0f;
  if (length >= 0 && splitColourString(std::string_view(bytes, length), &hexText, &alpha)) {
    // One colour made with its final alpha: UIColor keeps the alpha it is given exactly
    // as -colorWithAlphaComponent: would replace it.
    return colourFromHexBytes(hexText, static_cast<CGFloat>(alpha));
  }
  return colourByMessages(text);
}

}  // namespace vm::colour

id colorFromHex(id text) {
  // nil answers 0 to -length, so it takes the same way as an empty string.
  if (vm::send<NSUInteger>(text, vm::sel::length) == 0) return vm::colour::randomColour(1.0);
  // Only one "#" goes: "##abc" continues as "#abc".
  if (vm::send<BOOL>(text, vm::sel::hasPrefix_, vm::nsString("#")) != NO)
    text = vm::send<id>(text, vm::sel::substringFromIndex_, NSUInteger{1});
  // The bytes UTF8String hands over, up to its terminating NUL (an embedded U+0000 ends
  // the hex text there).
  return vm::colour::colourFromHexText(vm::stdString(text), 1.0);
}
