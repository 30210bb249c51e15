// Colour components as the tests compare and print them: the UIKit stand-in's Rgba, read
// through getRed:green:blue:alpha: (all zero for nil).
#pragma once

#include <ostream>

#include "standins/uikit/uikit.h"

namespace vm::uikit {
// Lets gtest print colours it compares.
inline void PrintTo(const Rgba& rgba, std::ostream* out) {
  *out << "rgba(" << rgba.red << ", " << rgba.green << ", " << rgba.blue << ", " << rgba.alpha
       << ")";
}
}  // namespace vm::uikit

namespace vm::test {
using vm::uikit::componentsOf;
using vm::uikit::Rgba;

// A colour component as the colour functions compute it from a byte: divided in single
// precision, on every device width.
inline Rgba rgbaOfBytes(unsigned char red, unsigned char green, unsigned char blue, double alpha) {
  auto component = [](unsigned char byte) { return static_cast<double>(byte / 255.0f); };
  return Rgba{component(red), component(green), component(blue), alpha};
}
}  // namespace vm::test
