// The hex part of a colour string as bytes: what colorFromHex does once its NSString has
// given up its bytes.
#pragma once

#include <objc/runtime.h>

#include <string_view>

#include "bridge/platform_types.h"

namespace vm::colour {

// The colour of an ASCII hex part (at most one leading "#" removed; empty gives the random
// colour) made at once with `alpha`. Rejected digits are logged as colorFromHex logs them.
// Autoreleased.
id colourFromHexPart(std::string_view hexPart, CGFloat alpha);

}  // namespace vm::colour
