#include "tweak/hooks/replacements.h"

#include "bridge/foundation.h"
#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/user_colour.h"

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

const LayerStyle kBadgeStyle{0.125, vm::sel::redColor, static_cast<CGFloat>(2.8), "vmColor6"};
const LayerStyle kIconImageStyle{0.25, vm::sel::clearColor, static_cast<CGFloat>(3.0), "vmColor5"};

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

// Status-bar items keep whatever they last showed while their flag is on.
void replaced::SBStatusBarStateAggregator__updateActivityItem(id self, SEL cmd) {
  if (on(ENABLED15)) return;
  original<&SBStatusBarStateAggregator__updateActivityItem>(self, cmd);
}

void replaced::SBStatusBarStateAggregator__updateAirplaneMode(id self, SEL cmd) {
  if (on(ENABLED13)) return;
  original<&SBStatusBarStateAggregator__updateAirplaneMode>(self, cmd);
}

void replaced::SBStatusBarStateAggregator__noteAirplaneModeChanged(id self, SEL cmd) {
  if (on(ENABLED13)) return;
  original<&SBStatusBarStateAggregator__noteAirplaneModeChanged>(self, cmd);
}

void replaced::SBStatusBarStateAggregator__updateTimeItems(id self, SEL cmd) {
  if (on(ENABLED12)) return;
  original<&SBStatusBarStateAggregator__updateTimeItems>(self, cmd);
}

id replaced::SBIconLabelImageParameters_text(id self, SEL cmd) {
  if (on(ENABLED8)) return nil;
  return original<&SBIconLabelImageParameters_text>(self, cmd);
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

BOOL replaced::UIStatusBarBatteryItemView__needsAccessoryImage(id self, SEL cmd) {
  if (on(ENABLED3)) return YES;
  return original<&UIStatusBarBatteryItemView__needsAccessoryImage>(self, cmd);
}

HookRows homeItemHooks() {
  using K = MethodKind;
  using namespace replaced;
  return {
      hook<&SBIconBadgeView_setFrame_>(1, "SBIconBadgeView", K::Instance, "setFrame:"),
      hook<&SBIconImageView_setFrame_>(8, "SBIconImageView", K::Instance, "setFrame:"),
      hook<&SBStatusBarStateAggregator__updateActivityItem>(35, "SBStatusBarStateAggregator",
                                                            K::Instance, "_updateActivityItem"),
      hook<&SBStatusBarStateAggregator__updateAirplaneMode>(36, "SBStatusBarStateAggregator",
                                                            K::Instance, "_updateAirplaneMode"),
      hook<&SBStatusBarStateAggregator__noteAirplaneModeChanged>(
          37, "SBStatusBarStateAggregator", K::Instance, "_noteAirplaneModeChanged"),
      hook<&SBStatusBarStateAggregator__updateTimeItems>(38, "SBStatusBarStateAggregator",
                                                         K::Instance, "_updateTimeItems"),
      hook<&SBIconLabelImageParameters_text>(45, "SBIconLabelImageParameters", K::Instance, "text"),
      hook<&SBIconListPageControl_initWithFrame_>(46, "SBIconListPageControl", K::Instance,
                                                  "initWithFrame:"),
      hook<&UIStatusBarBatteryItemView__needsAccessoryImage>(47, "UIStatusBarBatteryItemView",
                                                             K::Instance, "_needsAccessoryImage"),
  };
}

}  // namespace velmotint
