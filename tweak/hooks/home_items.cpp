#include "bridge/foundation.h"
#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/replacements.h"
#include "tweak/hooks/user_colour.h"
#include "tweak/saved_slot.h"

namespace velmotint {

namespace {

// How a badge or icon image's layer is restyled. Lengths are CGFloat, so 2.8 is the
// nearest value of the device's own scalar width.
struct LayerStyle {
  CGFloat radiusPerWidth;
  const vm::SelRef& background;  // a UIColor factory
  CGFloat borderWidth;
  const char* borderKey;
};

const LayerStyle kBadgeStyle{0.125, vm::sel::redColor, static_cast<CGFloat>(2.8), kColour6};
const LayerStyle kIconImageStyle{0.25, vm::sel::clearColor, static_cast<CGFloat>(3.0), kColour5};

id layerOf(id view) {
  return vm::send<id>(view, vm::sel::layer);
}

CGColorRef cgColourOf(id colour) {
  return vm::send<CGColorRef>(colour, vm::sel::CGColor);
}

// Runs before the saved setFrame:, so the radius follows the frame the view had until now
// (a view still zero-wide gets radius 0). The layer is asked for anew at every step.
void restyleLayer(id view, const LayerStyle& style) {
  id layer = layerOf(view);
  CGRect current = vm::send<CGRect>(view, vm::sel::frame);
  vm::send<void>(layer, vm::sel::setCornerRadius_, current.size.width * style.radiusPerWidth);

  layer = layerOf(view);
  id background = vm::send<id>(vm::cls::UIColor.get(), style.background);
  vm::send<void>(layer, vm::sel::setBackgroundColor_, cgColourOf(background));

  layer = layerOf(view);
  vm::send<void>(layer, vm::sel::setBorderWidth_, style.borderWidth);

  layer = layerOf(view);
  vm::send<void>(layer, vm::sel::setBorderColor_, cgColourOf(userColour(style.borderKey)));
}

}  // namespace

// Badges and icon images: a rounded, bordered layer, then the platform's own setFrame:
// with the frame unchanged.
void replaced::SBIconBadgeView_setFrame_(id self, SEL cmd, CGRect frame) {
  if (!on(ENABLED24)) return original<&SBIconBadgeView_setFrame_>(self, cmd, frame);
  return flagOn([=] {
    restyleLayer(self, kBadgeStyle);
    original<&SBIconBadgeView_setFrame_>(self, cmd, frame);
  });
}

void replaced::SBIconImageView_setFrame_(id self, SEL cmd, CGRect frame) {
  if (!on(ENABLED21)) return original<&SBIconImageView_setFrame_>(self, cmd, frame);
  return flagOn([=] {
    restyleLayer(self, kIconImageStyle);
    original<&SBIconImageView_setFrame_>(self, cmd, frame);
  });
}

// The flag is read once, before the initialiser runs. An initialiser hands its caller an
// owned reference (the one alloc made); answering nil means giving that reference up here,
// or the page control would never be freed.
id replaced::SBIconListPageControl_initWithFrame_(id self, SEL cmd, CGRect frame) {
  if (!on(ENABLED7)) return original<&SBIconListPageControl_initWithFrame_>(self, cmd, frame);
  return flagOn([=]() -> id {
    vm::release(original<&SBIconListPageControl_initWithFrame_>(self, cmd, frame));
    return nil;
  });
}

}  // namespace velmotint
