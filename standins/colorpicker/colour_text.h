// Colour strings as the colour picker reads and writes them: an optional "#", six hex
// digits or three that each stand for two (none at all is the tweak's random colour),
// then optionally ":" and an alpha between 0 and 1 written as a decimal number. The
// picker writes "#rrggbb:alpha".
#pragma once

#include <string>

#include "standins/uikit/uikit.h"

namespace vm::colorpicker {

// Empty when `text` is a colour string; otherwise what is wrong with it.
std::string colourStringProblem(const std::string& text);

struct ColourFromText {
  uikit::Rgba colour;      // alpha 1 unless the text gives one
  bool hasDigits = false;  // false for "" and "#": no colour, only (perhaps) an alpha
  std::string problem;     // set when the text is no colour string
};
// Reads a colour string digit by digit, so that the process's locale does not matter.
ColourFromText colourFromText(const std::string& text);

// "#rrggbb:alpha": components rounded to bytes, the alpha with up to six decimals and at
// least one ("1.0", "0.5", "0.75423").
std::string storedColourText(const uikit::Rgba& colour);

}  // namespace vm::colorpicker
