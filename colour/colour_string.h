// Reading a whole colour string: its hex part and its optional ":alpha".
#pragma once

#include <objc/runtime.h>

namespace vm::colour {

// The colour of a colour string ("#a1a1a1:1.0"): component 0 through colorFromHex, with
// its alpha replaced by the floatValue of component 1 when the text holds a ":" (1.0
// otherwise). Further components are ignored. `text` is an NSString or nil (nil reads as
// the empty string: a random colour). Autoreleased.
id colourFromColourString(id text);

}  // namespace vm::colour
