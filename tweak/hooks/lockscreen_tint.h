// Lock-screen tint: the slide-to-unlock text and chevron, the banner grabber, labels and
// the legibility settings take the user's colours under ENABLED2.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/saved_slot.h"

// Saved slots and replacements are named <Class>_<selector>, with ':' written '_'.
namespace velmotint::saved {
extern Saved<void()> SBBannerContextView__layoutGrabber;
extern Saved<id()> SBBannerContextView__defaultGrabberColor;
extern Saved<void(BOOL, id)> _UIGlintyStringView_setBlurHidden_forRequester_;
extern Saved<CGFloat()> _UIGlintyStringView__chevronVerticalOffset;
extern Saved<void(id)> _UIGlintyStringView_setLabel_;
extern Saved<void()> _UIGlintyStringView_layoutSubviews;
extern Saved<void(id)> UILabel_setColor_;
extern Saved<BOOL()> _UILegibilitySettingsProvider_hasContrast;
extern Saved<CGFloat()> _UILegibilitySettingsProvider_accumulatedBrightness;
extern Saved<CGFloat()> _UILegibilitySettingsProvider_accumulatedLuminance;
extern Saved<void()> SBLockScreenView__updateSlideToUnlockBackground;
extern Saved<void()> SBLockScreenView__updateBottomGrabberBackground;
extern Saved<void()> SBLockScreenView__updateTopGrabberBackground;
extern Saved<void()> SBLockScreenView__updateVibrantViewBackgrounds;
extern Saved<void(id)> SBChevronView_setColor_;
extern Saved<BOOL()> _UILegibilityView_usesSecondaryColor;
extern Saved<BOOL()> _UILegibilityLabel_usesSecondaryColor;
extern Saved<CGFloat()> _UILegibilitySettings_shadowAlpha;
extern Saved<void(id)> _UILegibilitySettings_setPrimaryColor_;
extern Saved<void(id)> _UILegibilitySettings_setSecondaryColor_;
}  // namespace velmotint::saved

namespace velmotint::replaced {
void SBBannerContextView__layoutGrabber(id self, SEL cmd);
id SBBannerContextView__defaultGrabberColor(id self, SEL cmd);
void _UIGlintyStringView_setBlurHidden_forRequester_(id self, SEL cmd, BOOL arg0, id arg1);
CGFloat _UIGlintyStringView__chevronVerticalOffset(id self, SEL cmd);
void _UIGlintyStringView_setLabel_(id self, SEL cmd, id arg0);
void _UIGlintyStringView_layoutSubviews(id self, SEL cmd);
void UILabel_setColor_(id self, SEL cmd, id arg0);
BOOL _UILegibilitySettingsProvider_hasContrast(id self, SEL cmd);
CGFloat _UILegibilitySettingsProvider_accumulatedBrightness(id self, SEL cmd);
CGFloat _UILegibilitySettingsProvider_accumulatedLuminance(id self, SEL cmd);
void SBLockScreenView__updateSlideToUnlockBackground(id self, SEL cmd);
void SBLockScreenView__updateBottomGrabberBackground(id self, SEL cmd);
void SBLockScreenView__updateTopGrabberBackground(id self, SEL cmd);
void SBLockScreenView__updateVibrantViewBackgrounds(id self, SEL cmd);
void SBChevronView_setColor_(id self, SEL cmd, id arg0);
BOOL _UILegibilityView_usesSecondaryColor(id self, SEL cmd);
BOOL _UILegibilityLabel_usesSecondaryColor(id self, SEL cmd);
CGFloat _UILegibilitySettings_shadowAlpha(id self, SEL cmd);
void _UILegibilitySettings_setPrimaryColor_(id self, SEL cmd, id arg0);
void _UILegibilitySettings_setSecondaryColor_(id self, SEL cmd, id arg0);
}  // namespace velmotint::replaced
