#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene_builder.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

using vm::send;

// UIStatusBarStyle's values as iOS 7 and later name them.
std::string statusBarStyleMeaning(NSInteger value) {
  switch (value) {
    case 0:
      return "default: dark text";
    case 1:
      return "light text";
    case 2:
      return "light text on opaque black";
    default:
      return "unknown style";
  }
}

// The glint view draws a chevron beside its text unless the style is 0.
std::string chevronStyleMeaning(NSInteger value) {
  return value == 0 ? "no chevron" : "chevron shown";
}

void reportDate(ReportObjects& scene, Scene& out) {
  id date = scene.make(vm::cls::SBLockScreenDateViewController);
  send<void>(date, vm::sel::p_addObservers);
  send<void>(date, vm::sel::loadView);
  send<void>(date, vm::sel::setDateHidden_, static_cast<BOOL>(NO));
  send<void>(date, vm::sel::p_updateFormat);
  send<void>(date, vm::sel::p_updateView);
  send<void>(date, vm::sel::p_backlightChanged);
  out.set(View::kDateHidden, yesNo(send<BOOL>(date, vm::sel::isDateHidden)));
  out.set(View::kDateLoaded, yesNo(send<BOOL>(date, vm::sel::isViewLoaded)));
  out.set(View::kDateObserving, yesNo(send<BOOL>(date, vm::sel::isObserving)));
  out.set(View::kDateUpdatesDisabled, yesNo(send<BOOL>(date, vm::sel::disablesUpdates)));
  out.set(View::kDateUpdatesRun, count(send<NSInteger>(date, vm::sel::updateCount)));

  id preview = scene.make(vm::cls::SBLockScreenPreviewView);
  send<void>(preview, vm::sel::p_setupCameraView);
  send<void>(preview, vm::sel::p_setupDateView);
  send<void>(preview, vm::sel::p_setupSlideToUnlockView);
  out.set(View::kPreviewCamera, yesNo(send<id>(preview, vm::sel::cameraView) != nil));
  out.set(View::kPreviewDate, yesNo(send<id>(preview, vm::sel::dateView) != nil));
  out.set(View::kPreviewSlideToUnlock, yesNo(send<id>(preview, vm::sel::slideToUnlockView) != nil));
}

void reportLockScreen(ReportObjects& scene, Scene& out) {
  id controller = scene.make(vm::cls::SBLockScreenViewController);
  out.set(View::kShowsDate, yesNo(send<BOOL>(controller, vm::sel::p_shouldShowDate)));
  out.set(View::kStatusBarShown, yesNo(send<BOOL>(controller, vm::sel::showsSpringBoardStatusBar)));
  out.set(View::kStatusBarAlpha,
          number(send<CGFloat>(controller, vm::sel::p_effectiveVisibleStatusBarAlpha)));
  NSInteger barStyle = send<NSInteger>(controller, vm::sel::statusBarStyle);
  out.set(View::kStatusBarStyle, style(barStyle, statusBarStyleMeaning(barStyle)));
  send<void>(controller, vm::sel::startLockScreenFadeInAnimationForSource_, 1);
  out.set(View::kFadeInRuns, count(send<NSInteger>(controller, vm::sel::fadeInAnimationCount)));
  id fade = scene.make(vm::cls::SBFadeAnimationSettings);
  out.set(View::kFadeDuration, seconds(send<CGFloat>(fade, vm::sel::backlightFadeDuration)));
}

void reportCharging(ReportObjects& scene, Scene& out) {
  id controller = scene.make(vm::cls::SBLockScreenBatteryChargingViewController);
  send<void>(controller, vm::sel::loadView);
  bool charging = send<id>(controller, vm::sel::chargingView) != nil;
  out.set(View::kChargingView, state(charging, charging ? "shown" : "none"));
  out.set(View::kChargingBatteryVisible, yesNo(send<BOOL>(controller, vm::sel::batteryVisible)));
  id view = scene.make(vm::cls::SBLockScreenBatteryChargingView);
  send<void>(view, vm::sel::setBatteryVisible_, static_cast<BOOL>(YES));
  out.set(View::kChargingViewBatteryVisible, yesNo(send<BOOL>(view, vm::sel::batteryVisible)));
}

void reportGrabbers(ReportObjects& scene, Scene& out) {
  id camera = scene.make(vm::cls::SBCameraGrabberView);
  id image = send<id>(camera, vm::sel::p_cameraGrabberImage);
  out.set(View::kCameraGrabber, state(image != nil, image != nil ? "shown" : "none"));
  id slideUp = scene.make(vm::cls::SBSlideUpAppGrabberView);
  send<void>(slideUp, vm::sel::setGrabberImage_, image != nil ? image : camera);
  bool slideUpImage = send<id>(slideUp, vm::sel::grabberImage) != nil;
  out.set(View::kSlideUpGrabber, state(slideUpImage, slideUpImage ? "set" : "none"));
  id slideUpController = scene.make(vm::cls::SBLockScreenSlideUpToAppController);
  send<void>(slideUpController, vm::sel::prepareForSlideUpAnimation);
  out.set(View::kSlideUpPrepared,
          yesNo(send<BOOL>(slideUpController, vm::sel::isPreparedForSlideUp)));

  id lockView = scene.make(vm::cls::SBLockScreenView);
  id requester = vm::nsString("SpringBoard");
  send<void>(lockView, vm::sel::setTopGrabberHidden_forRequester_, static_cast<BOOL>(NO),
             requester);
  send<void>(lockView, vm::sel::setBottomGrabberHidden_forRequester_, static_cast<BOOL>(NO),
             requester);
  out.set(View::kTopGrabberHidden, yesNo(send<BOOL>(lockView, vm::sel::isTopGrabberHidden)));
  out.set(View::kBottomGrabberHidden, yesNo(send<BOOL>(lockView, vm::sel::isBottomGrabberHidden)));
}

void reportSlideToUnlock(ReportObjects& scene, Scene& out) {
  id glint = scene.make(vm::cls::p_UIGlintyStringView);
  send<void>(glint, vm::sel::setChevronStyle_, 1L);
  send<void>(glint, vm::sel::updateText);
  NSInteger chevron = send<NSInteger>(glint, vm::sel::chevronStyle);
  out.set(View::kChevronStyle, style(chevron, chevronStyleMeaning(chevron)));
  out.set(View::kTextUpdates, count(send<NSInteger>(glint, vm::sel::textUpdateCount)));
}

}  // namespace

void buildLockScreen(ReportObjects& scene, Scene& out) {
  reportLockScreen(scene, out);
  reportDate(scene, out);
  reportCharging(scene, out);
  reportGrabbers(scene, out);
  reportSlideToUnlock(scene, out);
}

}  // namespace springboard
