// Whether a text is a colour string of the form the tweak reads: an optional "#", six hex
// digits or three that each stand for two (none at all stands for a random colour), then
// optionally ":" and an alpha between 0 and 1 written as a decimal number.
#pragma once

#include <string>

namespace vm::preferences {

// Empty when `text` is a colour string; otherwise what is wrong with it.
std::string colourStringProblem(const std::string& text);

}  // namespace vm::preferences
