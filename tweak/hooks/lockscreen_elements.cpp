#include "tweak/hooks/replacements.h"

#include "tweak/feature_flags.h"

namespace velmotint {

// Backlight fade. The single-precision 0.1 is what the device's float constant gives; the
// 64-bit build widens it (0.10000000149011612), it is not the double nearest 0.1.
CGFloat replaced::SBFadeAnimationSettings_backlightFadeDuration(id self, SEL cmd) {
  if (on(ENABLED23)) return static_cast<CGFloat>(0.1f);
  return original<&SBFadeAnimationSettings_backlightFadeDuration>(self, cmd);
}

void replaced::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_(id self, SEL cmd,
                                                                                   int source) {
  if (on(ENABLED23)) return;
  original<&SBLockScreenViewController_startLockScreenFadeInAnimationForSource_>(self, cmd, source);
}

// Camera grabber and slide-up.
id replaced::SBCameraGrabberView__cameraGrabberImage(id self, SEL cmd) {
  if (on(ENABLED11)) return nil;
  return original<&SBCameraGrabberView__cameraGrabberImage>(self, cmd);
}

void replaced::SBSlideUpAppGrabberView_setGrabberImage_(id self, SEL cmd, id image) {
  if (on(ENABLED11)) return;
  original<&SBSlideUpAppGrabberView_setGrabberImage_>(self, cmd, image);
}

void replaced::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation(id self, SEL cmd) {
  if (on(ENABLED22)) return;
  original<&SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation>(self, cmd);
}

// Slide-to-unlock chevron and text.
void replaced::_UIGlintyStringView_setChevronStyle_(id self, SEL cmd, NSInteger style) {
  if (on(ENABLED18)) return;
  original<&_UIGlintyStringView_setChevronStyle_>(self, cmd, style);
}

void replaced::_UIGlintyStringView_updateText(id self, SEL cmd) {
  if (on(ENABLED18)) return;
  original<&_UIGlintyStringView_updateText>(self, cmd);
}

// Date view.
void replaced::SBLockScreenDateViewController_setDateHidden_(id self, SEL cmd, BOOL hidden) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController_setDateHidden_>(self, cmd, hidden);
}

BOOL replaced::SBLockScreenDateViewController_isDateHidden(id self, SEL cmd) {
  if (on(ENABLED16)) return YES;
  return original<&SBLockScreenDateViewController_isDateHidden>(self, cmd);
}

BOOL replaced::SBLockScreenDateViewController_disablesUpdates(id self, SEL cmd) {
  if (on(ENABLED16)) return YES;
  return original<&SBLockScreenDateViewController_disablesUpdates>(self, cmd);
}

void replaced::SBLockScreenDateViewController_loadView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController_loadView>(self, cmd);
}

void replaced::SBLockScreenDateViewController__updateView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController__updateView>(self, cmd);
}

void replaced::SBLockScreenDateViewController__backlightChanged(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController__backlightChanged>(self, cmd);
}

void replaced::SBLockScreenDateViewController__updateFormat(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController__updateFormat>(self, cmd);
}

void replaced::SBLockScreenDateViewController__addObservers(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenDateViewController__addObservers>(self, cmd);
}

// ENABLED6, not ENABLED16, governs whether the lock-screen controller shows the date.
BOOL replaced::SBLockScreenViewController__shouldShowDate(id self, SEL cmd) {
  if (on(ENABLED6)) return NO;
  return original<&SBLockScreenViewController__shouldShowDate>(self, cmd);
}

// Charging view: visibility follows ENABLED14, the view itself ENABLED17.
BOOL replaced::SBLockScreenBatteryChargingViewController_batteryVisible(id self, SEL cmd) {
  if (on(ENABLED14)) return NO;
  return original<&SBLockScreenBatteryChargingViewController_batteryVisible>(self, cmd);
}

void replaced::SBLockScreenBatteryChargingViewController_loadView(id self, SEL cmd) {
  if (on(ENABLED17)) return;
  original<&SBLockScreenBatteryChargingViewController_loadView>(self, cmd);
}

id replaced::SBLockScreenBatteryChargingViewController_chargingView(id self, SEL cmd) {
  if (on(ENABLED17)) return nil;
  return original<&SBLockScreenBatteryChargingViewController_chargingView>(self, cmd);
}

void replaced::SBLockScreenBatteryChargingView_setBatteryVisible_(id self, SEL cmd, BOOL visible) {
  if (on(ENABLED14)) return;
  original<&SBLockScreenBatteryChargingView_setBatteryVisible_>(self, cmd, visible);
}

BOOL replaced::SBLockScreenBatteryChargingView_batteryVisible(id self, SEL cmd) {
  if (on(ENABLED14)) return NO;
  return original<&SBLockScreenBatteryChargingView_batteryVisible>(self, cmd);
}

// Preview view.
void replaced::SBLockScreenPreviewView__setupCameraView(id self, SEL cmd) {
  if (on(ENABLED11)) return;
  original<&SBLockScreenPreviewView__setupCameraView>(self, cmd);
}

void replaced::SBLockScreenPreviewView__setupDateView(id self, SEL cmd) {
  if (on(ENABLED16)) return;
  original<&SBLockScreenPreviewView__setupDateView>(self, cmd);
}

// The preview never sets up its slide-to-unlock view, whatever the flags hold; the saved
// slot is filled at install but never called.
void replaced::SBLockScreenPreviewView__setupSlideToUnlockView(id, SEL) {}

// Grabbers: every call reaches the platform; the flag only forces the hidden argument.
void replaced::SBLockScreenView_setTopGrabberHidden_forRequester_(id self, SEL cmd, BOOL hidden,
                                                                  id requester) {
  original<&SBLockScreenView_setTopGrabberHidden_forRequester_>(
      self, cmd, on(ENABLED10) ? static_cast<BOOL>(YES) : hidden, requester);
}

void replaced::SBLockScreenView_setBottomGrabberHidden_forRequester_(id self, SEL cmd, BOOL hidden,
                                                                     id requester) {
  original<&SBLockScreenView_setBottomGrabberHidden_forRequester_>(
      self, cmd, on(ENABLED9) ? static_cast<BOOL>(YES) : hidden, requester);
}

// The status bar while the lock screen shows.
CGFloat replaced::SBLockScreenViewController__effectiveVisibleStatusBarAlpha(id self, SEL cmd) {
  if (on(ENABLED19)) return 0.0;
  return original<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>(self, cmd);
}

BOOL replaced::SBLockScreenViewController_showsSpringBoardStatusBar(id self, SEL cmd) {
  if (on(ENABLED19)) return NO;
  return original<&SBLockScreenViewController_showsSpringBoardStatusBar>(self, cmd);
}

NSInteger replaced::SBLockScreenViewController_statusBarStyle(id self, SEL cmd) {
  if (on(ENABLED4)) return 0;
  return original<&SBLockScreenViewController_statusBarStyle>(self, cmd);
}

HookRows lockScreenElementHooks() {
  using K = MethodKind;
  using namespace replaced;
  return {
      hook<&SBFadeAnimationSettings_backlightFadeDuration>(4, "SBFadeAnimationSettings",
                                                           K::Instance, "backlightFadeDuration"),
      hook<&SBCameraGrabberView__cameraGrabberImage>(5, "SBCameraGrabberView", K::Instance,
                                                     "_cameraGrabberImage"),
      hook<&SBSlideUpAppGrabberView_setGrabberImage_>(6, "SBSlideUpAppGrabberView", K::Instance,
                                                      "setGrabberImage:"),
      hook<&SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation>(
          7, "SBLockScreenSlideUpToAppController", K::Instance, "prepareForSlideUpAnimation"),
      hook<&_UIGlintyStringView_setChevronStyle_>(13, "_UIGlintyStringView", K::Instance,
                                                  "setChevronStyle:"),
      hook<&_UIGlintyStringView_updateText>(14, "_UIGlintyStringView", K::Instance, "updateText"),
      hook<&SBLockScreenDateViewController_setDateHidden_>(16, "SBLockScreenDateViewController",
                                                           K::Instance, "setDateHidden:"),
      hook<&SBLockScreenDateViewController_isDateHidden>(17, "SBLockScreenDateViewController",
                                                         K::Instance, "isDateHidden"),
      hook<&SBLockScreenDateViewController_disablesUpdates>(18, "SBLockScreenDateViewController",
                                                            K::Instance, "disablesUpdates"),
      hook<&SBLockScreenDateViewController_loadView>(19, "SBLockScreenDateViewController",
                                                     K::Instance, "loadView"),
      hook<&SBLockScreenDateViewController__updateView>(20, "SBLockScreenDateViewController",
                                                        K::Instance, "_updateView"),
      hook<&SBLockScreenDateViewController__backlightChanged>(21, "SBLockScreenDateViewController",
                                                              K::Instance, "_backlightChanged"),
      hook<&SBLockScreenDateViewController__updateFormat>(22, "SBLockScreenDateViewController",
                                                          K::Instance, "_updateFormat"),
      hook<&SBLockScreenDateViewController__addObservers>(23, "SBLockScreenDateViewController",
                                                          K::Instance, "_addObservers"),
      hook<&SBLockScreenBatteryChargingViewController_batteryVisible>(
          24, "SBLockScreenBatteryChargingViewController", K::Instance, "batteryVisible"),
      hook<&SBLockScreenBatteryChargingViewController_loadView>(
          25, "SBLockScreenBatteryChargingViewController", K::Instance, "loadView"),
      hook<&SBLockScreenBatteryChargingViewController_chargingView>(
          26, "SBLockScreenBatteryChargingViewController", K::Instance, "chargingView"),
      hook<&SBLockScreenBatteryChargingView_setBatteryVisible_>(
          27, "SBLockScreenBatteryChargingView", K::Instance, "setBatteryVisible:"),
      hook<&SBLockScreenBatteryChargingView_batteryVisible>(28, "SBLockScreenBatteryChargingView",
                                                            K::Instance, "batteryVisible"),
      hook<&SBLockScreenPreviewView__setupCameraView>(32, "SBLockScreenPreviewView", K::Instance,
                                                      "_setupCameraView"),
      hook<&SBLockScreenPreviewView__setupDateView>(33, "SBLockScreenPreviewView", K::Instance,
                                                    "_setupDateView"),
      hook<&SBLockScreenPreviewView__setupSlideToUnlockView>(
          34, "SBLockScreenPreviewView", K::Instance, "_setupSlideToUnlockView"),
      hook<&SBLockScreenView_setTopGrabberHidden_forRequester_>(
          43, "SBLockScreenView", K::Instance, "setTopGrabberHidden:forRequester:"),
      hook<&SBLockScreenView_setBottomGrabberHidden_forRequester_>(
          44, "SBLockScreenView", K::Instance, "setBottomGrabberHidden:forRequester:"),
      hook<&SBLockScreenViewController_startLockScreenFadeInAnimationForSource_>(
          48, "SBLockScreenViewController", K::Instance,
          "startLockScreenFadeInAnimationForSource:"),
      hook<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>(
          49, "SBLockScreenViewController", K::Instance, "_effectiveVisibleStatusBarAlpha"),
      hook<&SBLockScreenViewController_showsSpringBoardStatusBar>(
          50, "SBLockScreenViewController", K::Instance, "showsSpringBoardStatusBar"),
      hook<&SBLockScreenViewController__shouldShowDate>(51, "SBLockScreenViewController",
                                                        K::Instance, "_shouldShowDate"),
      hook<&SBLockScreenViewController_statusBarStyle>(52, "SBLockScreenViewController",
                                                       K::Instance, "statusBarStyle"),
  };
}

}  // namespace velmotint
