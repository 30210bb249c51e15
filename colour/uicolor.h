// The few UIColor factories the colour functions use. UIColor is looked up by name at run
// time: the product never links the framework's stand-in, and on the device it is UIKit's.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "colour/random_colour.h"

namespace vm::colour {

// Red, green and blue of byte / 255, with `alpha` (1.0 unless given). Autoreleased.
id colourFromBytes(unsigned char red, unsigned char green, unsigned char blue, CGFloat alpha = 1.0);

// The HSB colour with `alpha` (1.0 unless given). Autoreleased.
id colourFromHsb(const Hsb& hsb, CGFloat alpha = 1.0);

// `colour` with its alpha replaced (not multiplied). Autoreleased; nil for nil.
id colourWithAlpha(id colour, CGFloat alpha);

}  // namespace vm::colour
