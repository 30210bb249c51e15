#include "colour/uicolor.h"

#include "bridge/objc_send.h"
#include "bridge/selectors.h"

namespace vm::colour {
namespace {

// The byte is divided in single precision, then widened: the colour must carry the same
// component values on both device widths.
CGFloat component(unsigned char byte) {
  return static_cast<CGFloat>(static_cast<float>(byte) / 255.0f);
}

}  // namespace

id colourFromBytes(unsigned char red, unsigned char green, unsigned char blue, CGFloat alpha) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, component(red),
                  component(green), component(blue), alpha);
}

// Computed in double; the 32-bit device's CGFloat is a float and takes them narrowed.
id colourFromHsb(const Hsb& hsb, CGFloat alpha) {
  return send<id>(cls::UIColor.get(), sel::colorWithHue_saturation_brightness_alpha_,
                  static_cast<CGFloat>(hsb.hue), static_cast<CGFloat>(hsb.saturation),
                  static_cast<CGFloat>(hsb.brightness), alpha);
}

id colourWithAlpha(id colour, CGFloat alpha) {
  return send<id>(colour, sel::colorWithAlphaComponent_, alpha);
}

}  // namespace vm::colour
