#include "colour/random_colour.h"

#include <stdlib.h>  // arc4random: glibc 2.36 and later, and the device's libc

#include <atomic>

namespace vm::colour {
namespace {

constexpr double kGridStep = 0.00390625;  // exactly 1/256

std::uint32_t systemRandom() {
  return arc4random();
}

std::atomic<RandomSource> gSource{systemRandom};

}  // namespace

Hsb hsbFromDraws(std::uint32_t hueDraw, std::uint32_t saturationDraw,
                 std::uint32_t brightnessDraw) {
  return Hsb{(hueDraw & 0xFF) * kGridStep, (saturationDraw & 0x7F) * kGridStep + 0.5,
             (brightnessDraw & 0x7F) * kGridStep + 0.5};
}

void setRandomSource(RandomSource source) {
  gSource.store(source != nullptr ? source : systemRandom, std::memory_order_relaxed);
}

Hsb drawRandomHsb() {
  RandomSource source = gSource.load(std::memory_order_relaxed);
  // Separate statements: the order of the draws is part of the result.
  const std::uint32_t hueDraw = source();
  const std::uint32_t saturationDraw = source();
  const std::uint32_t brightnessDraw = source();
  return hsbFromDraws(hueDraw, saturationDraw, brightnessDraw);
}

}  // namespace vm::colour
