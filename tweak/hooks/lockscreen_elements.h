// Lock-screen elements: the date, the charging view, the camera grabber, slide-up, the
// grabbers, the slide-to-unlock text and the lock screen's status bar and fade.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/saved_slot.h"

// Saved slots and replacements are named <Class>_<selector>, with ':' written '_'.
namespace velmotint::saved {
extern Saved<CGFloat()> SBFadeAnimationSettings_backlightFadeDuration;
extern Saved<id()> SBCameraGrabberView__cameraGrabberImage;
extern Saved<void(id)> SBSlideUpAppGrabberView_setGrabberImage_;
extern Saved<void()> SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation;
extern Saved<void(NSInteger)> _UIGlintyStringView_setChevronStyle_;
extern Saved<void()> _UIGlintyStringView_updateText;
extern Saved<void(BOOL)> SBLockScreenDateViewController_setDateHidden_;
extern Saved<BOOL()> SBLockScreenDateViewController_isDateHidden;
extern Saved<BOOL()> SBLockScreenDateViewController_disablesUpdates;
extern Saved<void()> SBLockScreenDateViewController_loadView;
extern Saved<void()> SBLockScreenDateViewController__updateView;
extern Saved<void()> SBLockScreenDateViewController__backlightChanged;
extern Saved<void()> SBLockScreenDateViewController__updateFormat;
extern Saved<void()> SBLockScreenDateViewController__addObservers;
extern Saved<BOOL()> SBLockScreenBatteryChargingViewController_batteryVisible;
extern Saved<void()> SBLockScreenBatteryChargingViewController_loadView;
extern Saved<id()> SBLockScreenBatteryChargingViewController_chargingView;
extern Saved<void(BOOL)> SBLockScreenBatteryChargingView_setBatteryVisible_;
extern Saved<BOOL()> SBLockScreenBatteryChargingView_batteryVisible;
extern Saved<void()> SBLockScreenPreviewView__setupCameraView;
extern Saved<void()> SBLockScreenPreviewView__setupDateView;
extern Saved<void()> SBLockScreenPreviewView__setupSlideToUnlockView;
extern Saved<void(BOOL, id)> SBLockScreenView_setTopGrabberHidden_forRequester_;
extern Saved<void(BOOL, id)> SBLockScreenView_setBottomGrabberHidden_forRequester_;
extern Saved<void(NSInteger)> SBLockScreenViewController_startLockScreenFadeInAnimationForSource_;
extern Saved<CGFloat()> SBLockScreenViewController__effectiveVisibleStatusBarAlpha;
extern Saved<BOOL()> SBLockScreenViewController_showsSpringBoardStatusBar;
extern Saved<BOOL()> SBLockScreenViewController__shouldShowDate;
extern Saved<NSInteger()> SBLockScreenViewController_statusBarStyle;
}  // namespace velmotint::saved

namespace velmotint::replaced {
CGFloat SBFadeAnimationSettings_backlightFadeDuration(id self, SEL cmd);
id SBCameraGrabberView__cameraGrabberImage(id self, SEL cmd);
void SBSlideUpAppGrabberView_setGrabberImage_(id self, SEL cmd, id arg0);
void SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(id self, SEL cmd);
void _UIGlintyStringView_setChevronStyle_(id self, SEL cmd, NSInteger arg0);
void _UIGlintyStringView_updateText(id self, SEL cmd);
void SBLockScreenDateViewController_setDateHidden_(id self, SEL cmd, BOOL arg0);
BOOL SBLockScreenDateViewController_isDateHidden(id self, SEL cmd);
BOOL SBLockScreenDateViewController_disablesUpdates(id self, SEL cmd);
void SBLockScreenDateViewController_loadView(id self, SEL cmd);
void SBLockScreenDateViewController__updateView(id self, SEL cmd);
void SBLockScreenDateViewController__backlightChanged(id self, SEL cmd);
void SBLockScreenDateViewController__updateFormat(id self, SEL cmd);
void SBLockScreenDateViewController__addObservers(id self, SEL cmd);
BOOL SBLockScreenBatteryChargingViewController_batteryVisible(id self, SEL cmd);
void SBLockScreenBatteryChargingViewController_loadView(id self, SEL cmd);
id SBLockScreenBatteryChargingViewController_chargingView(id self, SEL cmd);
void SBLockScreenBatteryChargingView_setBatteryVisible_(id self, SEL cmd, BOOL arg0);
BOOL SBLockScreenBatteryChargingView_batteryVisible(id self, SEL cmd);
void SBLockScreenPreviewView__setupCameraView(id self, SEL cmd);
void SBLockScreenPreviewView__setupDateView(id self, SEL cmd);
void SBLockScreenPreviewView__setupSlideToUnlockView(id self, SEL cmd);
void SBLockScreenView_setTopGrabberHidden_forRequester_(id self, SEL cmd, BOOL arg0, id arg1);
void SBLockScreenView_setBottomGrabberHidden_forRequester_(id self, SEL cmd, BOOL arg0, id arg1);
void SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(id self, SEL cmd, NSInteger arg0);
CGFloat SBLockScreenViewController__effectiveVisibleStatusBarAlpha(id self, SEL cmd);
BOOL SBLockScreenViewController_showsSpringBoardStatusBar(id self, SEL cmd);
BOOL SBLockScreenViewController__shouldShowDate(id self, SEL cmd);
NSInteger SBLockScreenViewController_statusBarStyle(id self, SEL cmd);
}  // namespace velmotint::replaced
