// The random colour that an absent or empty colour string stands for: hue, saturation and
// brightness on grids of 1/256 from three 32-bit random draws.
#pragma once

#include <cstdint>

namespace vm::colour {

struct Hsb {
  double hue;
  double saturation;
  double brightness;
};

// The grid values for three draws, taken in this order: hue from the low 8 bits of the
// first, saturation and brightness from the low 7 bits of the second and third, + 0.5.
Hsb hsbFromDraws(std::uint32_t hueDraw, std::uint32_t saturationDraw, std::uint32_t brightnessDraw);

// Where the draws come from: arc4random unless replaced (tests install a fixed sequence;
// nullptr restores arc4random). Process-wide.
using RandomSource = std::uint32_t (*)();
void setRandomSource(RandomSource source);

// Three draws from the current source, in hue, saturation, brightness order.
Hsb drawRandomHsb();

}  // namespace vm::colour
