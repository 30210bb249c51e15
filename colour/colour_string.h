// Colour strings to UIColor objects: "#a1b2c3:0.5" is a hex text (hex.h) with an optional
// leading "#", then an optional ":alpha". UIColor is looked up by name at run time: the
// product never links the framework's stand-in, and on the device it is UIKit's.
#pragma once

#include <objc/runtime.h>

#include <string_view>

#include "bridge/export.h"

// A UIColor from a colour string's hex text: six hex digits, or three that each stand for
// two, with at most one leading "#" removed. nil or an empty string gives a random colour.
// Exported by both deliverables under this name (global namespace, C++ linkage). Returns
// an autoreleased colour (nil only when UIColor does not exist).
VM_EXPORT id colorFromHex(id text);

namespace vm::colour {

// The colour of a colour string: its hex text through colorFromHex, with its alpha
// replaced by the floatValue of the text after the first ":" when there is one (1.0
// otherwise). Further ":" components are ignored. `text` is an NSString or nil (nil reads
// as the empty string: a random colour). Autoreleased.
id colourFromColourString(id text);

// The alpha that -floatValue reads from `text`, when `text` is empty (0.0) or one to nine
// decimal digits with at most one "." among them. There the value is the digits as a whole
// number divided by an exact power of ten: one rounding to double, then one to float, as
// floatValue computes it. False for every other text (whitespace, signs, exponents,
// "inf", "nan", hex, trailing characters, longer numbers), which Foundation reads instead.
bool plainAlpha(std::string_view text, float* alpha);

}  // namespace vm::colour
