// A colour string read from its bytes, without a message per component. Only texts whose
// reading is certain to match the Foundation one are taken; any other text is left to
// the message-by-message reading.
#pragma once

#include <string_view>

namespace vm::colour {

struct PlainColourString {
  std::string_view hexPart;  // component 0, "#" included
  float alpha = 1.0f;
};

// The alpha that -floatValue reads from `text`, when `text` is empty (0.0) or one to nine
// decimal digits with at most one "." among them. There the value is the digits as a whole
// number divided by an exact power of ten: one rounding to double, then one to float, as
// floatValue computes it. False for every other text (whitespace, signs, exponents,
// "inf", "nan", hex, trailing characters, longer numbers).
bool plainAlpha(std::string_view text, float* alpha);

// Splits the bytes of an ASCII colour string at ":" into its hex part and alpha (1.0
// without a ":"; further components ignored). False when the alpha is not plain.
bool splitPlainColourString(std::string_view text, PlainColourString* parts);

}  // namespace vm::colour
