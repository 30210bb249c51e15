#include "colour/colour_string.h"

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/uicolor.h"

namespace vm::colour {

id colourFromColourString(id text) {
  id components = send<id>(text, sel::componentsSeparatedByString_, nsString(":"));
  // More than one component exactly when the text holds a ":".
  float alpha = 1.0f;
  if (send<NSUInteger>(components, sel::count) > 1)
    alpha = send<float>(send<id>(components, sel::objectAtIndex_, NSUInteger{1}), sel::floatValue);
  id hexPart = send<id>(components, sel::objectAtIndex_, NSUInteger{0});
  // An alpha outside 0..1 (or not a number at all) is passed on as read; UIColor decides.
  return colourWithAlpha(colorFromHex(hexPart), static_cast<CGFloat>(alpha));
}

}  // namespace vm::colour
