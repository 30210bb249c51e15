#include "tweak/hooks/lockscreen_tint.h"

#include "tweak/feature_flags.h"

namespace velmotint {

Saved<void()> saved::SBBannerContextView__layoutGrabber;
Saved<id()> saved::SBBannerContextView__defaultGrabberColor;
Saved<void(BOOL, id)> saved::_UIGlintyStringView_setBlurHidden_forRequester_;
Saved<CGFloat()> saved::_UIGlintyStringView__chevronVerticalOffset;
Saved<void(id)> saved::_UIGlintyStringView_setLabel_;
Saved<void()> saved::_UIGlintyStringView_layoutSubviews;
Saved<void(id)> saved::UILabel_setColor_;
Saved<BOOL()> saved::_UILegibilitySettingsProvider_hasContrast;
Saved<CGFloat()> saved::_UILegibilitySettingsProvider_accumulatedBrightness;
Saved<CGFloat()> saved::_UILegibilitySettingsProvider_accumulatedLuminance;
Saved<void()> saved::SBLockScreenView__updateSlideToUnlockBackground;
Saved<void()> saved::SBLockScreenView__updateBottomGrabberBackground;
Saved<void()> saved::SBLockScreenView__updateTopGrabberBackground;
Saved<void()> saved::SBLockScreenView__updateVibrantViewBackgrounds;
Saved<void(id)> saved::SBChevronView_setColor_;
Saved<BOOL()> saved::_UILegibilityView_usesSecondaryColor;
Saved<BOOL()> saved::_UILegibilityLabel_usesSecondaryColor;
Saved<CGFloat()> saved::_UILegibilitySettings_shadowAlpha;
Saved<void(id)> saved::_UILegibilitySettings_setPrimaryColor_;
Saved<void(id)> saved::_UILegibilitySettings_setSecondaryColor_;

// Forwards only, until this group's behaviour is built.
void replaced::SBBannerContextView__layoutGrabber(id self, SEL cmd) {
  saved::SBBannerContextView__layoutGrabber(self, cmd);
}

// Forwards only, until this group's behaviour is built.
id replaced::SBBannerContextView__defaultGrabberColor(id self, SEL cmd) {
  return saved::SBBannerContextView__defaultGrabberColor(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UIGlintyStringView_setBlurHidden_forRequester_(id self, SEL cmd, BOOL arg0, id arg1) {
  saved::_UIGlintyStringView_setBlurHidden_forRequester_(self, cmd, arg0, arg1);
}

// Forwards only, until this group's behaviour is built.
CGFloat replaced::_UIGlintyStringView__chevronVerticalOffset(id self, SEL cmd) {
  return saved::_UIGlintyStringView__chevronVerticalOffset(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UIGlintyStringView_setLabel_(id self, SEL cmd, id arg0) {
  saved::_UIGlintyStringView_setLabel_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UIGlintyStringView_layoutSubviews(id self, SEL cmd) {
  saved::_UIGlintyStringView_layoutSubviews(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::UILabel_setColor_(id self, SEL cmd, id arg0) {
  saved::UILabel_setColor_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
BOOL replaced::_UILegibilitySettingsProvider_hasContrast(id self, SEL cmd) {
  return saved::_UILegibilitySettingsProvider_hasContrast(self, cmd);
}

// Forwards only, until this group's behaviour is built.
CGFloat replaced::_UILegibilitySettingsProvider_accumulatedBrightness(id self, SEL cmd) {
  return saved::_UILegibilitySettingsProvider_accumulatedBrightness(self, cmd);
}

// Forwards only, until this group's behaviour is built.
CGFloat replaced::_UILegibilitySettingsProvider_accumulatedLuminance(id self, SEL cmd) {
  return saved::_UILegibilitySettingsProvider_accumulatedLuminance(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBLockScreenView__updateSlideToUnlockBackground(id self, SEL cmd) {
  saved::SBLockScreenView__updateSlideToUnlockBackground(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBLockScreenView__updateBottomGrabberBackground(id self, SEL cmd) {
  saved::SBLockScreenView__updateBottomGrabberBackground(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBLockScreenView__updateTopGrabberBackground(id self, SEL cmd) {
  saved::SBLockScreenView__updateTopGrabberBackground(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBLockScreenView__updateVibrantViewBackgrounds(id self, SEL cmd) {
  saved::SBLockScreenView__updateVibrantViewBackgrounds(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBChevronView_setColor_(id self, SEL cmd, id arg0) {
  saved::SBChevronView_setColor_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
BOOL replaced::_UILegibilityView_usesSecondaryColor(id self, SEL cmd) {
  return saved::_UILegibilityView_usesSecondaryColor(self, cmd);
}

// Forwards only, until this group's behaviour is built.
BOOL replaced::_UILegibilityLabel_usesSecondaryColor(id self, SEL cmd) {
  return saved::_UILegibilityLabel_usesSecondaryColor(self, cmd);
}

// Forwards only, until this group's behaviour is built.
CGFloat replaced::_UILegibilitySettings_shadowAlpha(id self, SEL cmd) {
  return saved::_UILegibilitySettings_shadowAlpha(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UILegibilitySettings_setPrimaryColor_(id self, SEL cmd, id arg0) {
  saved::_UILegibilitySettings_setPrimaryColor_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UILegibilitySettings_setSecondaryColor_(id self, SEL cmd, id arg0) {
  saved::_UILegibilitySettings_setSecondaryColor_(self, cmd, arg0);
}

}  // namespace velmotint
