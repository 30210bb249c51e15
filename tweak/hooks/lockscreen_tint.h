// Lock-screen tint: the slide-to-unlock text and chevron, the banner grabber, labels and
// the legibility settings take the user's colours under ENABLED2.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/hook_table.h"

namespace velmotint {

// This group's rows of the hook table.
HookRows lockScreenTintHooks();

// Replacements are named <Class>_<selector>, with ':' written '_'.
namespace replaced {
void SBBannerContextView__layoutGrabber(id, SEL);
id SBBannerContextView__defaultGrabberColor(id, SEL);
void _UIGlintyStringView_setBlurHidden_forRequester_(id, SEL, BOOL, id);
CGFloat _UIGlintyStringView__chevronVerticalOffset(id, SEL);
void _UIGlintyStringView_setLabel_(id, SEL, id);
void _UIGlintyStringView_layoutSubviews(id, SEL);
void UILabel_setColor_(id, SEL, id);
BOOL _UILegibilitySettingsProvider_hasContrast(id, SEL);
CGFloat _UILegibilitySettingsProvider_accumulatedBrightness(id, SEL);
CGFloat _UILegibilitySettingsProvider_accumulatedLuminance(id, SEL);
void SBLockScreenView__updateSlideToUnlockBackground(id, SEL);
void SBLockScreenView__updateBottomGrabberBackground(id, SEL);
void SBLockScreenView__updateTopGrabberBackground(id, SEL);
void SBLockScreenView__updateVibrantViewBackgrounds(id, SEL);
void SBChevronView_setColor_(id, SEL, id);
BOOL _UILegibilityView_usesSecondaryColor(id, SEL);
BOOL _UILegibilityLabel_usesSecondaryColor(id, SEL);
CGFloat _UILegibilitySettings_shadowAlpha(id, SEL);
void _UILegibilitySettings_setPrimaryColor_(id, SEL, id);
void _UILegibilitySettings_setSecondaryColor_(id, SEL, id);
}  // namespace replaced

}  // namespace velmotint
