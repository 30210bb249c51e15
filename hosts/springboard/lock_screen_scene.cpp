#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene_builder.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

using vm::send;
namespace cls = vm::cls;
namespace sel = vm::sel;

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
  id date = scene.make(cls::SBLockScreenDateViewController);
  send<void>(date, sel::p_addObservers);
  send<void>(date, sel::loadView);
  send<void>(date, sel::setDateHidden_, static_cast<BOOL>(NO));
  send<void>(date, sel::p_updateFormat);
  send<void>(date, sel::p_updateView);
  send<void>(date, sel::p_backlightChanged);
  out.set(View::kDateHidden, yesNo(send<BOOL>(date, sel::isDateHidden)));
  out.set(View::kDateLoaded, yesNo(send<BOOL>(date, sel::isViewLoaded)));
  out.set(View::kDateObserving, yesNo(send<BOOL>(date, sel::isObserving)));
  out.set(View::kDateUpdatesDisabled, yesNo(send<BOOL>(date, sel::disablesUpdates)));
  out.set(View::kDateUpdatesRun, count(send<NSInteger>(date, sel::updateCount)));

  id preview = scene.make(cls::SBLockScreenPreviewView);
  send<void>(preview, sel::p_setupCameraView);
  send<void>(preview, sel::p_setupDateView);
  send<void>(preview, sel::p_setupSlideToUnlockView);
  out.set(View::kPreviewCamera, yesNo(send<id>(preview, sel::cameraView) != nil));
  out.set(View::kPreviewDate, yesNo(send<id>(preview, sel::dateView) != nil));
  out.set(View::kPreviewSlideToUnlock, yesNo(send<id>(preview, sel::slideToUnlockView) != nil));
}

void reportLockScreen(ReportObjects& scene, Scene& out) {
  id controller = scene.make(cls::SBLockScreenViewController);
  out.set(View::kShowsDate, yesNo(send<BOOL>(controller, sel::p_shouldShowDate)));
  out.set(View::kStatusBarShown, yesNo(send<BOOL>(controller, sel::showsSpringBoardStatusBar)));
  out.set(View::kStatusBarAlpha,
          number(send<CGFloat>(controller, sel::p_effectiveVisibleStatusBarAlpha)));
  NSInteger barStyle = send<NSInteger>(controller, sel::statusBarStyle);
  out.set(View::kStatusBarStyle, style(barStyle, statusBarStyleMeaning(barStyle)));
  send<void>(controller, sel::startLockScreenFadeInAnimationForSource_, 1);
  out.set(View::kFadeInRuns, count(send<NSInteger>(controller, sel::fadeInAnimationCount)));
  id fade = scene.make(cls::SBFadeAnimationSettings);
  out.set(View::kFadeDuration, seconds(send<CGFloat>(fade, sel::backlightFadeDuration)));
}

void reportCharging(ReportObjects& scene, Scene& out) {
  id controller = scene.make(cls::SBLockScreenBatteryChargingViewController);
  send<void>(controller, sel::loadView);
  bool charging = send<id>(controller, sel::chargingView) != nil;
  out.set(View::kChargingView, state(charging, charging ? "shown" : "none"));
  out.set(View::kChargingBatteryVisible, yesNo(send<BOOL>(controller, sel::batteryVisible)));
  id view = scene.make(cls::SBLockScreenBatteryChargingView);
  send<void>(view, sel::setBatteryVisible_, static_cast<BOOL>(YES));
  out.set(View::kChargingViewBatteryVisible, yesNo(send<BOOL>(view, sel::batteryVisible)));
}

void reportGrabbers(ReportObjects& scene, Scene& out) {
  id camera = scene.make(cls::SBCameraGrabberView);
  id image = send<id>(camera, sel::p_cameraGrabberImage);
  out.set(View::kCameraGrabber, state(image != nil, image != nil ? "shown" : "none"));
  id slideUp = scene.make(cls::SBSlideUpAppGrabberView);
  // From 8.0 there is no camera grabber view: the slide-up grabber gets the camera glyph.
  id glyph = image != nil ? image : camera != nil ? camera : scene.make(cls::UIImage);
  send<void>(slideUp, sel::setGrabberImage_, glyph);
  bool slideUpImage = send<id>(slideUp, sel::grabberImage) != nil;
  out.set(View::kSlideUpGrabber, state(slideUpImage, slideUpImage ? "set" : "none"));
  id slideUpController = scene.make(cls::SBLockScreenSlideUpToAppController);
  send<void>(slideUpController, sel::prepareForSlideUpAnimation);
  out.set(View::kSlideUpPrepared, yesNo(send<BOOL>(slideUpController, sel::isPreparedForSlideUp)));

  id lockView = scene.make(cls::SBLockScreenView);
  id requester = vm::nsString("SpringBoard");
  send<void>(lockView, sel::setTopGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  send<void>(lockView, sel::setBottomGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  out.set(View::kTopGrabberHidden, yesNo(send<BOOL>(lockView, sel::isTopGrabberHidden)));
  out.set(View::kBottomGrabberHidden, yesNo(send<BOOL>(lockView, sel::isBottomGrabberHidden)));
}

void reportSlideToUnlock(ReportObjects& scene, Scene& out) {
  id glint = scene.make(cls::p_UIGlintyStringView);
  send<void>(glint, sel::setChevronStyle_, 1L);
  send<void>(glint, sel::updateText);
  NSInteger chevron = send<NSInteger>(glint, sel::chevronStyle);
  out.set(View::kChevronStyle, style(chevron, chevronStyleMeaning(chevron)));
  out.set(View::kTextUpdates, count(send<NSInteger>(glint, sel::textUpdateCount)));
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
