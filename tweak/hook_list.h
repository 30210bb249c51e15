// Every method the tweak replaces, one row each, in install order. A class's rows stand
// together, so the installer looks each class up once. The row kinds: tweak/hook_rows.h;
// the hand-written replacements: tweak/hooks/replacements.h.
#pragma once

#include "bridge/platform_types.h"
#include "bridge/selectors.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_rows.h"
#include "tweak/hooks/replacements.h"
#include "tweak/settings_keys.h"

namespace velmotint {

namespace hook_list {

using namespace vm::cls;
using namespace vm::sel;
using namespace replaced;
using K = MethodKind;

using Hooks = HookList<
    Written<&SBIconBadgeView_setFrame_, SBIconBadgeView, setFrame_, FlagList<ENABLED24>,
            ColourList<kColour6>>,
    // Banner grabber. _defaultGrabberColor is a class method.
    Written<&SBBannerContextView_p_layoutGrabber, SBBannerContextView, p_layoutGrabber,
            FlagList<ENABLED2>>,
    AnswerColour<SBBannerContextView, p_defaultGrabberColor, ENABLED2, kColour5, id(), K::Class>,
    Written<&SBFadeAnimationSettings_backlightFadeDuration, SBFadeAnimationSettings,
            backlightFadeDuration, FlagList<ENABLED23>>,
    // Camera grabber and slide-up.
    Answer<SBCameraGrabberView, p_cameraGrabberImage, ENABLED11, id, 0>,
    Skip<SBSlideUpAppGrabberView, setGrabberImage_, ENABLED11, void(id)>,
    Skip<SBLockScreenSlideUpToAppController, prepareForSlideUpAnimation, ENABLED22, void()>,
    Written<&SBIconImageView_setFrame_, SBIconImageView, setFrame_, FlagList<ENABLED21>,
            ColourList<kColour5>>,
    // Slide-to-unlock text and chevron: the blur stays hidden for every requester.
    Force<p_UIGlintyStringView, setBlurHidden_forRequester_, ENABLED2, void(BOOL, id), YES>,
    Answer<p_UIGlintyStringView, p_chevronVerticalOffset, ENABLED2, CGFloat, 0>,
    Written<&p_UIGlintyStringView_setLabel_, p_UIGlintyStringView, setLabel_, FlagList<ENABLED2>,
            ColourList<kColour6>>,
    Written<&p_UIGlintyStringView_layoutSubviews, p_UIGlintyStringView, layoutSubviews,
            FlagList<ENABLED2>, ColourList<kColour5>>,
    Skip<p_UIGlintyStringView, setChevronStyle_, ENABLED18, void(NSInteger)>,
    Skip<p_UIGlintyStringView, updateText, ENABLED18, void()>,
    // Installed on UILabel itself: every label whose class has no setColor: of its own.
    Tint<UILabel, setColor_, ENABLED2, kColour6>,
    // Date view.
    Skip<SBLockScreenDateViewController, setDateHidden_, ENABLED16, void(BOOL)>,
    Answer<SBLockScreenDateViewController, isDateHidden, ENABLED16, BOOL, YES>,
    Answer<SBLockScreenDateViewController, disablesUpdates, ENABLED16, BOOL, YES>,
    Skip<SBLockScreenDateViewController, loadView, ENABLED16, void()>,
    Skip<SBLockScreenDateViewController, p_updateView, ENABLED16, void()>,
    Skip<SBLockScreenDateViewController, p_backlightChanged, ENABLED16, void()>,
    Skip<SBLockScreenDateViewController, p_updateFormat, ENABLED16, void()>,
    Skip<SBLockScreenDateViewController, p_addObservers, ENABLED16, void()>,
    // Charging view: visibility follows ENABLED14, the view itself ENABLED17.
    Answer<SBLockScreenBatteryChargingViewController, batteryVisible, ENABLED14, BOOL, NO>,
    Skip<SBLockScreenBatteryChargingViewController, loadView, ENABLED17, void()>,
    Answer<SBLockScreenBatteryChargingViewController, chargingView, ENABLED17, id, 0>,
    Skip<SBLockScreenBatteryChargingView, setBatteryVisible_, ENABLED14, void(BOOL)>,
    Answer<SBLockScreenBatteryChargingView, batteryVisible, ENABLED14, BOOL, NO>,
    // Legibility: full brightness and luminance, contrast wanted.
    Answer<p_UILegibilitySettingsProvider, hasContrast, ENABLED2, BOOL, YES>,
    Answer<p_UILegibilitySettingsProvider, accumulatedBrightness, ENABLED2, CGFloat, 1>,
    Answer<p_UILegibilitySettingsProvider, accumulatedLuminance, ENABLED2, CGFloat, 1>,
    // Preview view.
    Skip<SBLockScreenPreviewView, p_setupCameraView, ENABLED11, void()>,
    Skip<SBLockScreenPreviewView, p_setupDateView, ENABLED16, void()>,
    Written<&SBLockScreenPreviewView_p_setupSlideToUnlockView, SBLockScreenPreviewView,
            p_setupSlideToUnlockView, FlagList<>>,
    // Status-bar items keep whatever they last showed while their flag is on.
    Skip<SBStatusBarStateAggregator, p_updateActivityItem, ENABLED15, void()>,
    Skip<SBStatusBarStateAggregator, p_updateAirplaneMode, ENABLED13, void()>,
    Skip<SBStatusBarStateAggregator, p_noteAirplaneModeChanged, ENABLED13, void()>,
    Skip<SBStatusBarStateAggregator, p_updateTimeItems, ENABLED12, void()>,
    // The lock screen's own backgrounds are never painted while the tint is on.
    Skip<SBLockScreenView, p_updateSlideToUnlockBackground, ENABLED2, void()>,
    Skip<SBLockScreenView, p_updateBottomGrabberBackground, ENABLED2, void()>,
    Skip<SBLockScreenView, p_updateTopGrabberBackground, ENABLED2, void()>,
    Skip<SBLockScreenView, p_updateVibrantViewBackgrounds, ENABLED2, void()>,
    // Grabbers: every call reaches the platform; the flag only forces the hidden argument.
    Force<SBLockScreenView, setTopGrabberHidden_forRequester_, ENABLED10, void(BOOL, id), YES>,
    Force<SBLockScreenView, setBottomGrabberHidden_forRequester_, ENABLED9, void(BOOL, id), YES>,
    Answer<SBIconLabelImageParameters, text, ENABLED8, id, 0>,
    Written<&SBIconListPageControl_initWithFrame_, SBIconListPageControl, initWithFrame_,
            FlagList<ENABLED7>>,
    Answer<UIStatusBarBatteryItemView, p_needsAccessoryImage, ENABLED3, BOOL, YES>,
    // The status bar and the fade while the lock screen shows. ENABLED6, not ENABLED16,
    // governs whether the lock-screen controller shows the date.
    Skip<SBLockScreenViewController, startLockScreenFadeInAnimationForSource_, ENABLED23,
         void(int)>,
    Answer<SBLockScreenViewController, p_effectiveVisibleStatusBarAlpha, ENABLED19, CGFloat, 0>,
    Answer<SBLockScreenViewController, showsSpringBoardStatusBar, ENABLED19, BOOL, NO>,
    Answer<SBLockScreenViewController, p_shouldShowDate, ENABLED6, BOOL, NO>,
    Answer<SBLockScreenViewController, statusBarStyle, ENABLED4, NSInteger, 0>,
    Tint<SBChevronView, setColor_, ENABLED2, kColour5>,
    Answer<p_UILegibilityView, usesSecondaryColor, ENABLED2, BOOL, YES>,
    Answer<p_UILegibilityLabel, usesSecondaryColor, ENABLED2, BOOL, YES>,
    Answer<p_UILegibilitySettings, shadowAlpha, ENABLED2, CGFloat, 0>,
    Tint<p_UILegibilitySettings, setPrimaryColor_, ENABLED2, kColour5>,
    Tint<p_UILegibilitySettings, setSecondaryColor_, ENABLED2, kColour6>,
    // Status-bar tint: ENABLED1 and ENABLED2.
    Written<&UIActivityIndicatorView_setColor_, UIActivityIndicatorView, setColor_,
            FlagList<ENABLED1, ENABLED2>, ColourList<kColour4, kColour6>>,
    // One colour for every capacity and charging state; ENABLED2 leaves the battery alone.
    AnswerColour<UIStatusBarNewUIForegroundStyleAttributes,
                 p_batteryColorForCapacity_lowCapacity_charging_, ENABLED1, kColour3,
                 id(CGFloat, CGFloat, BOOL)>,
    Written<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_,
            UIStatusBarNewUIForegroundStyleAttributes, textColorForStyle_,
            FlagList<ENABLED1, ENABLED2>, ColourList<kColour2, kColour6>>,
    Tint<p_UIRefreshControlModernContentView, setTintColor_, ENABLED1, kColour4>,
    Written<&UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_,
            UIStatusBarNewUIStyleAttributes, initWithRequest_backgroundColor_foregroundColor_,
            FlagList<ENABLED1, ENABLED2>, ColourList<kColour1, kColour5>>>;

}  // namespace hook_list

using hook_list::Hooks;

}  // namespace velmotint
