// The scene as text: a "label   value  (ENABLEDn)" row per view under its heading, and
// the rows that differ between two scenes. Colours can carry a 24-bit terminal swatch.
#pragma once

#include <string>

#include "hosts/springboard/scene.h"

namespace springboard {

struct TextStyle {
  bool swatches = false;  // 24-bit colour blocks after colours, for a terminal
};

// Whether standard output is a terminal that may be coloured (NO_COLOR unset).
TextStyle textStyleForStdout();

// "0.50": two decimals, and never "-0.00".
std::string decimal(double value);
// "#rrggbb alpha 0.50"
std::string colourText(const Colour& colour);
// Two spaces in the colour, for a terminal; empty without swatches.
std::string swatch(const Colour& colour, const TextStyle& style);

std::string answerText(const Answer& answer);
// "(ENABLED1, ENABLED2)"; empty for none.
std::string flagsText(const std::vector<int>& flags);

std::string sceneText(const Scene& scene, const TextStyle& style);
// The rows whose answer changed, as "label  before -> after  (flags)"; empty if none.
std::string changedRowsText(const Scene& before, const Scene& after);

}  // namespace springboard
