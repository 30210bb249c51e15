#include "tweak/hooks/lockscreen_elements.h"

#include "tweak/feature_flags.h"

namespace velmotint {

Saved<CGFloat()> saved::SBFadeAnimationSettings_backlightFadeDuration;
Saved<id()> saved::SBCameraGrabberView__cameraGrabberImage;
Saved<void(id)> saved::SBSlideUpAppGrabberView_setGrabberImage_;
Saved<void()> saved::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation;
Saved<void(NSInteger)> saved::_UIGlintyStringView_setChevronStyle_;
Saved<void()> saved::_UIGlintyStringView_updateText;
Saved<void(BOOL)> saved::SBLockScreenDateViewController_setDateHidden_;
Saved<BOOL()> saved::SBLockScreenDateViewController_isDateHidden;
Saved<BOOL()> saved::SBLockScreenDateViewController_disablesUpdates;
Saved<void()> saved::SBLockScreenDateViewController_loadView;
Saved<void()> saved::SBLockScreenDateViewController__updateView;
Saved<void()> saved::SBLockScreenDateViewController__backlightChanged;
Saved<void()> saved::SBLockScreenDateViewController__updateFormat;
Saved<void()> saved::SBLockScreenDateViewController__addObservers;
Saved<BOOL()> saved::SBLockScreenBatteryChargingViewController_batteryVisible;
Saved<void()> saved::SBLockScreenBatteryChargingViewController_loadView;
Saved<id()> saved::SBLockScreenBatteryChargingViewController_chargingView;
Saved<void(BOOL)> saved::SBLockScreenBatteryChargingView_setBatteryVisible_;
Saved<BOOL()> saved::SBLockScreenBatteryChargingView_batteryVisible;
Saved<void()> saved::SBLockScreenPreviewView__setupCameraView;
Saved<void()> saved::SBLockScreenPreviewView__setupDateView;
Saved<void()> saved::SBLockScreenPreviewView__setupSlideToUnlockView;
Saved<void(BOOL, id)> saved::SBLockScreenView_setTopGrabberHidden_forRequester_;
Saved<void(BOOL, id)> saved::SBLockScreenView_setBottomGrabberHidden_forRequester_;
Saved<void(NSInteger)> saved::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_;
Saved<CGFloat()> saved::SBLockScreenViewController__effectiveVisibleStatusBarAlpha;
Saved<BOOL()> saved::SBLockScreenViewController_showsSpringBoardStatusBar;
Saved<BOOL()> saved::SBLockScreenViewController__shouldShowDate;
Saved<NSInteger()> saved::SBLockScreenViewController_statusBarStyle;

// Backlight fade. The single-precision 0.1 is what the device's float constant gives; the
// 64-bit build widens it (0.10000000149011612), it is not the double nearest 0.1.
CGFloat replaced::SBFadeAnimationSettings_backlightFadeDuration(id self, SEL cmd) {
  if (on(ENABLED23)) return static_cast<CGFloat>(0.1f);
  return saved::SBFadeAnimationSettings_backlightFadeDuration(self, cmd);
}

void replaced::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(
    id self, SEL cmd, NSInteger source) {
  if (on(ENABLED23)) return;
  saved::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(self, cmd, source);
}

// Camera grabber and slide-up.
id replaced::SBCameraGrabberView__cameraGrabberImage(id self, SEL cmd) {
  if (on(ENABLED11)) return nil;
  return saved::SBCameraGrabberView__cameraGrabberImage(self, cmd);
}

void replaced::SBSlideUpAppGrabberView_setGrabberImage_(id self, SEL cmd, id image) {
  if (on(ENABLED11)) return;
  saved::SBSlideUpAppGrabberView_setGrabberImage_(self, cmd, image);
}

void replaced::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(id self, SEL cmd) {
  if (on(ENABLED22)) return;
  saved::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(self, cmd);
}

// Slide-to-unlock chevron and text.
void replaced::_UIGlintyStringView_setChevronStyle_(id self, SEL cmd, NSInteger style) {
  if (on(ENABLED18)) return;
  saved::_UIGlintyStringView_setChevronStyle_(self, cmd, style);
}

void replaced::_UIGlintyStringView_updateText(id self, SEL cmd) {
  if (on(ENABLED18)) return;
  saved::_UIGlintyStringView_updateText(self, cmd);
}

// Date view.
void replaced::SBLockScreenDateViewController_setDateHidden_(id self, SEL cmd, BOOL hidden) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController_setDateHidden_(self, cmd, hidden);
}

BOOL replaced::SBLockScreenDateViewController_isDateHidden(id self, SEL cmd) {
  if (on(ENABLED16)) return YES;
  return saved::SBLockScreenDateViewController_isDateHidden(self, cmd);
}

BOOL replaced::SBLockScreenDateViewController_disablesUpdates(id self, SEL cmd) {
  if (on(ENABLED16)) return YES;
  return saved::SBLockScreenDateViewController_disablesUpdates(self, cmd);
}

void replaced::SBLockScreenDateViewController_loadView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController_loadView(self, cmd);
}

void replaced::SBLockScreenDateViewController__updateView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController__updateView(self, cmd);
}

void replaced::SBLockScreenDateViewController__backlightChanged(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController__backlightChanged(self, cmd);
}

void replaced::SBLockScreenDateViewController__updateFormat(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController__updateFormat(self, cmd);
}

void replaced::SBLockScreenDateViewController__addObservers(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenDateViewController__addObservers(self, cmd);
}

// ENABLED6, not ENABLED16, governs whether the lock-screen controller shows the date.
BOOL replaced::SBLockScreenViewController__shouldShowDate(id self, SEL cmd) {
  if (on(ENABLED6)) return NO;
  return saved::SBLockScreenViewController__shouldShowDate(self, cmd);
}

// Charging view: visibility follows ENABLED14, the view itself ENABLED17.
BOOL replaced::SBLockScreenBatteryChargingViewController_batteryVisible(id self, SEL cmd) {
  if (on(ENABLED14)) return NO;
  return saved::SBLockScreenBatteryChargingViewController_batteryVisible(self, cmd);
}

void replaced::SBLockScreenBatteryChargingViewController_loadView(id self, SEL cmd) {
  if (on(ENABLED17)) return;
  saved::SBLockScreenBatteryChargingViewController_loadView(self, cmd);
}

id replaced::SBLockScreenBatteryChargingViewController_chargingView(id self, SEL cmd) {
  if (on(ENABLED17)) return nil;
  return saved::SBLockScreenBatteryChargingViewController_chargingView(self, cmd);
}

void replaced::SBLockScreenBatteryChargingView_setBatteryVisible_(id self, SEL cmd, BOOL visible) {
  if (on(ENABLED14)) return;
  saved::SBLockScreenBatteryChargingView_setBatteryVisible_(self, cmd, visible);
}

BOOL replaced::SBLockScreenBatteryChargingView_batteryVisible(id self, SEL cmd) {
  if (on(ENABLED14)) return NO;
  return saved::SBLockScreenBatteryChargingView_batteryVisible(self, cmd);
}

// Preview view.
void replaced::SBLockScreenPreviewView__setupCameraView(id self, SEL cmd) {
  if (on(ENABLED11)) return;
  saved::SBLockScreenPreviewView__setupCameraView(self, cmd);
}

void replaced::SBLockScreenPreviewView__setupDateView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  saved::SBLockScreenPreviewView__setupDateView(self, cmd);
}

// The preview never sets up its slide-to-unlock view, whatever the flags hold; the saved
// slot is filled at install but never called.
void replaced::SBLockScreenPreviewView__setupSlideToUnlockView(id, SEL) {}

// Grabbers: every call reaches the platform; the flag only forces the hidden argument.
void replaced::SBLockScreenView_setTopGrabberHidden_forRequester_(id self, SEL cmd, BOOL hidden,
                                                                  id requester) {
  saved::SBLockScreenView_setTopGrabberHidden_forRequester_(
      self, cmd, on(ENABLED10) ? static_cast<BOOL>(YES) : hidden, requester);
}

void replaced::SBLockScreenView_setBottomGrabberHidden_forRequester_(id self, SEL cmd,
                                                                     BOOL hidden, id requester) {
  saved::SBLockScreenView_setBottomGrabberHidden_forRequester_(
      self, cmd, on(ENABLED9) ? static_cast<BOOL>(YES) : hidden, requester);
}

// The status bar while the lock screen shows.
CGFloat replaced::SBLockScreenViewController__effectiveVisibleStatusBarAlpha(id self, SEL cmd) {
  if (on(ENABLED19)) return 0.0;
  return saved::SBLockScreenViewController__effectiveVisibleStatusBarAlpha(self, cmd);
}

BOOL replaced::SBLockScreenViewController_showsSpringBoardStatusBar(id self, SEL cmd) {
  if (on(ENABLED19)) return NO;
  return saved::SBLockScreenViewController_showsSpringBoardStatusBar(self, cmd);
}

NSInteger replaced::SBLockScreenViewController_statusBarStyle(id self, SEL cmd) {
  if (on(ENABLED4)) return 0;
  return saved::SBLockScreenViewController_statusBarStyle(self, cmd);
}

}  // namespace velmotint
