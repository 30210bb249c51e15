// Every replacement the tweak installs, declared once for the hook table, the group files
// that define them and the tests that probe them.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/hook_table.h"

namespace velmotint {

// Each group of replacements lists its own rows of the hook table.

// Home-screen and status-bar items: badge and icon layers, icon labels, the page control,
// the status bar's activity, airplane-mode and time items and the battery accessory.
HookRows homeItemHooks();
// Lock-screen elements: the date, the charging view, the camera grabber, slide-up, the
// grabbers, the slide-to-unlock text and the lock screen's status bar and fade.
HookRows lockScreenElementHooks();
// Lock-screen tint: the slide-to-unlock text and chevron, the banner grabber, labels and
// the legibility settings take the user's colours under ENABLED2.
HookRows lockScreenTintHooks();
// Status-bar tint: text, battery, style attributes, activity indicators and the refresh
// control take the user's colours under ENABLED1 and ENABLED2.
HookRows statusBarTintHooks();

// Replacements are named <Class>_<selector>, with ':' written '_'.
namespace replaced {
// home_items.cpp
void SBIconBadgeView_setFrame_(id, SEL, CGRect);
void SBIconImageView_setFrame_(id, SEL, CGRect);
void SBStatusBarStateAggregator__updateActivityItem(id, SEL);
void SBStatusBarStateAggregator__updateAirplaneMode(id, SEL);
void SBStatusBarStateAggregator__noteAirplaneModeChanged(id, SEL);
void SBStatusBarStateAggregator__updateTimeItems(id, SEL);
id SBIconLabelImageParameters_text(id, SEL);
id SBIconListPageControl_initWithFrame_(id, SEL, CGRect);
BOOL UIStatusBarBatteryItemView__needsAccessoryImage(id, SEL);
// lockscreen_elements.cpp
CGFloat SBFadeAnimationSettings_backlightFadeDuration(id, SEL);
id SBCameraGrabberView__cameraGrabberImage(id, SEL);
void SBSlideUpAppGrabberView_setGrabberImage_(id, SEL, id);
void SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(id, SEL);
void _UIGlintyStringView_setChevronStyle_(id, SEL, NSInteger);
void _UIGlintyStringView_updateText(id, SEL);
void SBLockScreenDateViewController_setDateHidden_(id, SEL, BOOL);
BOOL SBLockScreenDateViewController_isDateHidden(id, SEL);
BOOL SBLockScreenDateViewController_disablesUpdates(id, SEL);
void SBLockScreenDateViewController_loadView(id, SEL);
void SBLockScreenDateViewController__updateView(id, SEL);
void SBLockScreenDateViewController__backlightChanged(id, SEL);
void SBLockScreenDateViewController__updateFormat(id, SEL);
void SBLockScreenDateViewController__addObservers(id, SEL);
BOOL SBLockScreenBatteryChargingViewController_batteryVisible(id, SEL);
void SBLockScreenBatteryChargingViewController_loadView(id, SEL);
id SBLockScreenBatteryChargingViewController_chargingView(id, SEL);
void SBLockScreenBatteryChargingView_setBatteryVisible_(id, SEL, BOOL);
BOOL SBLockScreenBatteryChargingView_batteryVisible(id, SEL);
void SBLockScreenPreviewView__setupCameraView(id, SEL);
void SBLockScreenPreviewView__setupDateView(id, SEL);
void SBLockScreenPreviewView__setupSlideToUnlockView(id, SEL);
void SBLockScreenView_setTopGrabberHidden_forRequester_(id, SEL, BOOL, id);
void SBLockScreenView_setBottomGrabberHidden_forRequester_(id, SEL, BOOL, id);
void SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(id, SEL, int);
CGFloat SBLockScreenViewController__effectiveVisibleStatusBarAlpha(id, SEL);
BOOL SBLockScreenViewController_showsSpringBoardStatusBar(id, SEL);
BOOL SBLockScreenViewController__shouldShowDate(id, SEL);
NSInteger SBLockScreenViewController_statusBarStyle(id, SEL);
// lockscreen_tint.cpp
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
// statusbar_tint.cpp
void UIActivityIndicatorView_setColor_(id, SEL, id);
id UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(id, SEL,
                                                                                            CGFloat,
                                                                                            CGFloat,
                                                                                            BOOL);
id UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id, SEL, NSInteger);
void _UIRefreshControlModernContentView_setTintColor_(id, SEL, id);
id UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id, SEL, id, id,
                                                                                    id);
}  // namespace replaced

}  // namespace velmotint
