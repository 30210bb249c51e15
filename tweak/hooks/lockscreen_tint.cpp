#include "tweak/hooks/replacements.h"

#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "tweak/feature_flags.h"
#include "tweak/hooks/user_colour.h"

namespace velmotint {

namespace {

// The subview at `index` of the glint view's effect view, fetched anew, or nil when the
// effect view or that many subviews are missing: objectAtIndex: past the end would raise
// inside the host.
id effectSubview(id glintView, NSUInteger index) {
  id subviews = vm::send<id>(vm::send<id>(glintView, vm::sel::effectView), vm::sel::subviews);
  if (index >= vm::send<NSUInteger>(subviews, vm::sel::count)) return nil;
  return vm::send<id>(subviews, vm::sel::objectAtIndex_, index);
}

}  // namespace

// Banner grabber: cleared, then laid out by the platform in any case.
void replaced::SBBannerContextView__layoutGrabber(id self, SEL cmd) {
  if (!on(ENABLED2)) return original<&SBBannerContextView__layoutGrabber>(self, cmd);
  return flagOn([=] {
    vm::send<void>(self, vm::sel::setBackgroundColor_, clearColour());
    original<&SBBannerContextView__layoutGrabber>(self, cmd);
  });
}

// A class method: `self` is the class.
id replaced::SBBannerContextView__defaultGrabberColor(id self, SEL cmd) {
  if (on(ENABLED2)) return userColour("vmColor5");
  return original<&SBBannerContextView__defaultGrabberColor>(self, cmd);
}

// Slide-to-unlock text: the blur stays hidden for every requester.
void replaced::_UIGlintyStringView_setBlurHidden_forRequester_(id self, SEL cmd, BOOL hidden,
                                                               id requester) {
  original<&_UIGlintyStringView_setBlurHidden_forRequester_>(
      self, cmd, on(ENABLED2) ? static_cast<BOOL>(YES) : hidden, requester);
}

CGFloat replaced::_UIGlintyStringView__chevronVerticalOffset(id self, SEL cmd) {
  if (on(ENABLED2)) return 0.0;
  return original<&_UIGlintyStringView__chevronVerticalOffset>(self, cmd);
}

// The label reaches the view only as a subview, never through the platform's setter. A nil
// label has nothing to colour or add: UIKit is not asked to add a nil subview, and no
// colour is looked up for it.
void replaced::_UIGlintyStringView_setLabel_(id self, SEL cmd, id label) {
  if (!on(ENABLED2)) return original<&_UIGlintyStringView_setLabel_>(self, cmd, label);
  if (label == nil) return;
  return flagOn([=] {
    vm::send<void>(label, vm::sel::setTextColor_, userColour("vmColor6"));
    vm::send<void>(label, vm::sel::setBackgroundColor_, clearColour());
    vm::send<void>(self, vm::sel::addSubview_, label);
  });
}

// Blur and glint made transparent, the tint layer in the user's colour; the platform's
// own layout does not run. Each step works only on a subview that exists.
void replaced::_UIGlintyStringView_layoutSubviews(id self, SEL cmd) {
  if (!on(ENABLED2)) return original<&_UIGlintyStringView_layoutSubviews>(self, cmd);
  return flagOn([=] {
    vm::send<void>(effectSubview(self, 0), vm::sel::setAlpha_, CGFloat{0.0});
    vm::send<void>(effectSubview(self, 1), vm::sel::setAlpha_, CGFloat{0.0});
    id tint = effectSubview(self, 2);
    if (tint != nil) vm::send<void>(tint, vm::sel::setBackgroundColor_, userColour("vmColor5"));
  });
}

// Installed on UILabel itself: every label whose class has no setColor: of its own.
void replaced::UILabel_setColor_(id self, SEL cmd, id colour) {
  if (!on(ENABLED2)) return original<&UILabel_setColor_>(self, cmd, colour);
  return flagOn([=] { original<&UILabel_setColor_>(self, cmd, userColour("vmColor6")); });
}

// Legibility: full brightness and luminance, contrast wanted.
BOOL replaced::_UILegibilitySettingsProvider_hasContrast(id self, SEL cmd) {
  if (on(ENABLED2)) return YES;
  return original<&_UILegibilitySettingsProvider_hasContrast>(self, cmd);
}

CGFloat replaced::_UILegibilitySettingsProvider_accumulatedBrightness(id self, SEL cmd) {
  if (on(ENABLED2)) return 1.0;
  return original<&_UILegibilitySettingsProvider_accumulatedBrightness>(self, cmd);
}

CGFloat replaced::_UILegibilitySettingsProvider_accumulatedLuminance(id self, SEL cmd) {
  if (on(ENABLED2)) return 1.0;
  return original<&_UILegibilitySettingsProvider_accumulatedLuminance>(self, cmd);
}

// The lock screen's own backgrounds are never painted while the tint is on.
void replaced::SBLockScreenView__updateSlideToUnlockBackground(id self, SEL cmd) {
  if (on(ENABLED2)) return;
  original<&SBLockScreenView__updateSlideToUnlockBackground>(self, cmd);
}

void replaced::SBLockScreenView__updateBottomGrabberBackground(id self, SEL cmd) {
  if (on(ENABLED2)) return;
  original<&SBLockScreenView__updateBottomGrabberBackground>(self, cmd);
}

void replaced::SBLockScreenView__updateTopGrabberBackground(id self, SEL cmd) {
  if (on(ENABLED2)) return;
  original<&SBLockScreenView__updateTopGrabberBackground>(self, cmd);
}

void replaced::SBLockScreenView__updateVibrantViewBackgrounds(id self, SEL cmd) {
  if (on(ENABLED2)) return;
  original<&SBLockScreenView__updateVibrantViewBackgrounds>(self, cmd);
}

void replaced::SBChevronView_setColor_(id self, SEL cmd, id colour) {
  if (!on(ENABLED2)) return original<&SBChevronView_setColor_>(self, cmd, colour);
  return flagOn([=] { original<&SBChevronView_setColor_>(self, cmd, userColour("vmColor5")); });
}

BOOL replaced::_UILegibilityView_usesSecondaryColor(id self, SEL cmd) {
  if (on(ENABLED2)) return YES;
  return original<&_UILegibilityView_usesSecondaryColor>(self, cmd);
}

BOOL replaced::_UILegibilityLabel_usesSecondaryColor(id self, SEL cmd) {
  if (on(ENABLED2)) return YES;
  return original<&_UILegibilityLabel_usesSecondaryColor>(self, cmd);
}

CGFloat replaced::_UILegibilitySettings_shadowAlpha(id self, SEL cmd) {
  if (on(ENABLED2)) return 0.0;
  return original<&_UILegibilitySettings_shadowAlpha>(self, cmd);
}

void replaced::_UILegibilitySettings_setPrimaryColor_(id self, SEL cmd, id colour) {
  if (!on(ENABLED2)) return original<&_UILegibilitySettings_setPrimaryColor_>(self, cmd, colour);
  return flagOn([=] {
    original<&_UILegibilitySettings_setPrimaryColor_>(self, cmd, userColour("vmColor5"));
  });
}

void replaced::_UILegibilitySettings_setSecondaryColor_(id self, SEL cmd, id colour) {
  if (!on(ENABLED2)) return original<&_UILegibilitySettings_setSecondaryColor_>(self, cmd, colour);
  return flagOn([=] {
    original<&_UILegibilitySettings_setSecondaryColor_>(self, cmd, userColour("vmColor6"));
  });
}

HookRows lockScreenTintHooks() {
  using K = MethodKind;
  using namespace replaced;
  return {
      hook<&SBBannerContextView__layoutGrabber>(2, "SBBannerContextView", K::Instance,
                                                "_layoutGrabber"),
      hook<&SBBannerContextView__defaultGrabberColor>(3, "SBBannerContextView", K::Class,
                                                      "_defaultGrabberColor"),
      hook<&_UIGlintyStringView_setBlurHidden_forRequester_>(9, "_UIGlintyStringView", K::Instance,
                                                             "setBlurHidden:forRequester:"),
      hook<&_UIGlintyStringView__chevronVerticalOffset>(10, "_UIGlintyStringView", K::Instance,
                                                        "_chevronVerticalOffset"),
      hook<&_UIGlintyStringView_setLabel_>(11, "_UIGlintyStringView", K::Instance, "setLabel:"),
      hook<&_UIGlintyStringView_layoutSubviews>(12, "_UIGlintyStringView", K::Instance,
                                                "layoutSubviews"),
      hook<&UILabel_setColor_>(15, "UILabel", K::Instance, "setColor:"),
      hook<&_UILegibilitySettingsProvider_hasContrast>(29, "_UILegibilitySettingsProvider",
                                                       K::Instance, "hasContrast"),
      hook<&_UILegibilitySettingsProvider_accumulatedBrightness>(
          30, "_UILegibilitySettingsProvider", K::Instance, "accumulatedBrightness"),
      hook<&_UILegibilitySettingsProvider_accumulatedLuminance>(
          31, "_UILegibilitySettingsProvider", K::Instance, "accumulatedLuminance"),
      hook<&SBLockScreenView__updateSlideToUnlockBackground>(39, "SBLockScreenView", K::Instance,
                                                             "_updateSlideToUnlockBackground"),
      hook<&SBLockScreenView__updateBottomGrabberBackground>(40, "SBLockScreenView", K::Instance,
                                                             "_updateBottomGrabberBackground"),
      hook<&SBLockScreenView__updateTopGrabberBackground>(41, "SBLockScreenView", K::Instance,
                                                          "_updateTopGrabberBackground"),
      hook<&SBLockScreenView__updateVibrantViewBackgrounds>(42, "SBLockScreenView", K::Instance,
                                                            "_updateVibrantViewBackgrounds"),
      hook<&SBChevronView_setColor_>(53, "SBChevronView", K::Instance, "setColor:"),
      hook<&_UILegibilityView_usesSecondaryColor>(54, "_UILegibilityView", K::Instance,
                                                  "usesSecondaryColor"),
      hook<&_UILegibilityLabel_usesSecondaryColor>(55, "_UILegibilityLabel", K::Instance,
                                                   "usesSecondaryColor"),
      hook<&_UILegibilitySettings_shadowAlpha>(56, "_UILegibilitySettings", K::Instance,
                                               "shadowAlpha"),
      hook<&_UILegibilitySettings_setPrimaryColor_>(57, "_UILegibilitySettings", K::Instance,
                                                    "setPrimaryColor:"),
      hook<&_UILegibilitySettings_setSecondaryColor_>(58, "_UILegibilitySettings", K::Instance,
                                                      "setSecondaryColor:"),
  };
}

}  // namespace velmotint
