// Colour components as the tests compare and print them: the UIKit stand-in's Rgba.
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
using vm::uikit::Rgba;
}  // namespace vm::test
