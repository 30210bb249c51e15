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

// Replacements are named <Class>_<selector>, with ':' written '_'. Most share one of a few
// signatures, named once here; the group files define them with the same types.
namespace replaced {
using Action = void(id, SEL);
using Getter = id(id, SEL);
using Test = BOOL(id, SEL);
using Measure = CGFloat(id, SEL);
using Setter = void(id, SEL, id);
using FlagSetter = void(id, SEL, BOOL);
using RequesterFlagSetter = void(id, SEL, BOOL, id);
using FrameSetter = void(id, SEL, CGRect);

// home_items.cpp
FrameSetter SBIconBadgeView_setFrame_, SBIconImageView_setFrame_;
Action SBStatusBarStateAggregator__updateActivityItem,
    SBStatusBarStateAggregator__updateAirplaneMode,
    SBStatusBarStateAggregator__noteAirplaneModeChanged,
    SBStatusBarStateAggregator__updateTimeItems;
Getter SBIconLabelImageParameters_text;
id SBIconListPageControl_initWithFrame_(id, SEL, CGRect);
Test UIStatusBarBatteryItemView__needsAccessoryImage;

// lockscreen_elements.cpp
Measure SBFadeAnimationSettings_backlightFadeDuration,
    SBLockScreenViewController__effectiveVisibleStatusBarAlpha;
Getter SBCameraGrabberView__cameraGrabberImage,
    SBLockScreenBatteryChargingViewController_chargingView;
Setter SBSlideUpAppGrabberView_setGrabberImage_;
Action SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation,
    _UIGlintyStringView_updateText, SBLockScreenDateViewController_loadView,
    SBLockScreenDateViewController__updateView, SBLockScreenDateViewController__backlightChanged,
    SBLockScreenDateViewController__updateFormat, SBLockScreenDateViewController__addObservers,
    SBLockScreenBatteryChargingViewController_loadView, SBLockScreenPreviewView__setupCameraView,
    SBLockScreenPreviewView__setupDateView, SBLockScreenPreviewView__setupSlideToUnlockView;
void _UIGlintyStringView_setChevronStyle_(id, SEL, NSInteger);
FlagSetter SBLockScreenDateViewController_setDateHidden_,
    SBLockScreenBatteryChargingView_setBatteryVisible_;
Test SBLockScreenDateViewController_isDateHidden, SBLockScreenDateViewController_disablesUpdates,
    SBLockScreenBatteryChargingViewController_batteryVisible,
    SBLockScreenBatteryChargingView_batteryVisible,
    SBLockScreenViewController_showsSpringBoardStatusBar,
    SBLockScreenViewController__shouldShowDate;
RequesterFlagSetter SBLockScreenView_setTopGrabberHidden_forRequester_,
    SBLockScreenView_setBottomGrabberHidden_forRequester_;
void SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(id, SEL, int);
NSInteger SBLockScreenViewController_statusBarStyle(id, SEL);

// lockscreen_tint.cpp
Action SBBannerContextView__layoutGrabber, _UIGlintyStringView_layoutSubviews,
    SBLockScreenView__updateSlideToUnlockBackground,
    SBLockScreenView__updateBottomGrabberBackground, SBLockScreenView__updateTopGrabberBackground,
    SBLockScreenView__updateVibrantViewBackgrounds;
Getter SBBannerContextView__defaultGrabberColor;
RequesterFlagSetter _UIGlintyStringView_setBlurHidden_forRequester_;
Measure _UIGlintyStringView__chevronVerticalOffset,
    _UILegibilitySettingsProvider_accumulatedBrightness,
    _UILegibilitySettingsProvider_accumulatedLuminance, _UILegibilitySettings_shadowAlpha;
Setter _UIGlintyStringView_setLabel_, UILabel_setColor_, SBChevronView_setColor_,
    _UILegibilitySettings_setPrimaryColor_, _UILegibilitySettings_setSecondaryColor_;
Test _UILegibilitySettingsProvider_hasContrast, _UILegibilityView_usesSecondaryColor,
    _UILegibilityLabel_usesSecondaryColor;

// statusbar_tint.cpp
Setter UIActivityIndicatorView_setColor_, _UIRefreshControlModernContentView_setTintColor_;
id UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(id, SEL,
                                                                                            CGFloat,
                                                                                            CGFloat,
                                                                                            BOOL);
id UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id, SEL, NSInteger);
id UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id, SEL, id, id,
                                                                                    id);
}  // namespace replaced

}  // namespace velmotint
