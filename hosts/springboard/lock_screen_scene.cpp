#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene_builder.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

using vm::send;
namespace sb = vm::springboard::cls;

// The selectors SpringBoard sends while it sets up and shows its lock screen, and the
// stand-ins' read-back getters.
const vm::SelRef addObservers{"_addObservers"};
const vm::SelRef loadView{"loadView"};
const vm::SelRef setDateHidden_{"setDateHidden:"};
const vm::SelRef updateFormat{"_updateFormat"};
const vm::SelRef updateView{"_updateView"};
const vm::SelRef backlightChanged{"_backlightChanged"};
const vm::SelRef isDateHidden{"isDateHidden"};
const vm::SelRef disablesUpdates{"disablesUpdates"};
const vm::SelRef isViewLoaded{"isViewLoaded"};
const vm::SelRef isObserving{"isObserving"};
const vm::SelRef updateCount{"updateCount"};
const vm::SelRef shouldShowDate{"_shouldShowDate"};
const vm::SelRef showsSpringBoardStatusBar{"showsSpringBoardStatusBar"};
const vm::SelRef effectiveVisibleStatusBarAlpha{"_effectiveVisibleStatusBarAlpha"};
const vm::SelRef statusBarStyle{"statusBarStyle"};
const vm::SelRef startFadeIn_{"startLockScreenFadeInAnimationForSource:"};
const vm::SelRef fadeInAnimationCount{"fadeInAnimationCount"};
const vm::SelRef backlightFadeDuration{"backlightFadeDuration"};
const vm::SelRef chargingView{"chargingView"};
const vm::SelRef batteryVisible{"batteryVisible"};
const vm::SelRef setBatteryVisible_{"setBatteryVisible:"};
const vm::SelRef cameraGrabberImage{"_cameraGrabberImage"};
const vm::SelRef setGrabberImage_{"setGrabberImage:"};
const vm::SelRef grabberImage{"grabberImage"};
const vm::SelRef prepareForSlideUpAnimation{"prepareForSlideUpAnimation"};
const vm::SelRef isPreparedForSlideUp{"isPreparedForSlideUp"};
const vm::SelRef setupCameraView{"_setupCameraView"};
const vm::SelRef setupDateView{"_setupDateView"};
const vm::SelRef setupSlideToUnlockView{"_setupSlideToUnlockView"};
const vm::SelRef cameraView{"cameraView"};
const vm::SelRef dateView{"dateView"};
const vm::SelRef slideToUnlockView{"slideToUnlockView"};
const vm::SelRef setTopGrabberHidden_forRequester_{"setTopGrabberHidden:forRequester:"};
const vm::SelRef setBottomGrabberHidden_forRequester_{"setBottomGrabberHidden:forRequester:"};
const vm::SelRef isTopGrabberHidden{"isTopGrabberHidden"};
const vm::SelRef isBottomGrabberHidden{"isBottomGrabberHidden"};
const vm::SelRef setChevronStyle_{"setChevronStyle:"};
const vm::SelRef chevronStyle{"chevronStyle"};
const vm::SelRef updateText{"updateText"};
const vm::SelRef textUpdateCount{"textUpdateCount"};
const vm::SelRef label{"label"};

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
  id date = scene.make(sb::SBLockScreenDateViewController);
  send<void>(date, addObservers);
  send<void>(date, loadView);
  send<void>(date, setDateHidden_, static_cast<BOOL>(NO));
  send<void>(date, updateFormat);
  send<void>(date, updateView);
  send<void>(date, backlightChanged);
  out.set(View::kDateHidden, yesNo(send<BOOL>(date, isDateHidden)));
  out.set(View::kDateLoaded, yesNo(send<BOOL>(date, isViewLoaded)));
  out.set(View::kDateObserving, yesNo(send<BOOL>(date, isObserving)));
  out.set(View::kDateUpdatesDisabled, yesNo(send<BOOL>(date, disablesUpdates)));
  out.set(View::kDateUpdatesRun, count(send<NSInteger>(date, updateCount)));

  id preview = scene.make(sb::SBLockScreenPreviewView);
  send<void>(preview, setupCameraView);
  send<void>(preview, setupDateView);
  send<void>(preview, setupSlideToUnlockView);
  out.set(View::kPreviewCamera, yesNo(send<id>(preview, cameraView) != nil));
  out.set(View::kPreviewDate, yesNo(send<id>(preview, dateView) != nil));
  out.set(View::kPreviewSlideToUnlock, yesNo(send<id>(preview, slideToUnlockView) != nil));
}

void reportLockScreen(ReportObjects& scene, Scene& out) {
  id controller = scene.make(sb::SBLockScreenViewController);
  out.set(View::kShowsDate, yesNo(send<BOOL>(controller, shouldShowDate)));
  out.set(View::kStatusBarShown, yesNo(send<BOOL>(controller, showsSpringBoardStatusBar)));
  out.set(View::kStatusBarAlpha, number(send<CGFloat>(controller, effectiveVisibleStatusBarAlpha)));
  NSInteger barStyle = send<NSInteger>(controller, statusBarStyle);
  out.set(View::kStatusBarStyle, style(barStyle, statusBarStyleMeaning(barStyle)));
  send<void>(controller, startFadeIn_, 1);
  out.set(View::kFadeInRuns, count(send<NSInteger>(controller, fadeInAnimationCount)));
  id fade = scene.make(sb::SBFadeAnimationSettings);
  out.set(View::kFadeDuration, seconds(send<CGFloat>(fade, backlightFadeDuration)));
}

void reportCharging(ReportObjects& scene, Scene& out) {
  id controller = scene.make(sb::SBLockScreenBatteryChargingViewController);
  send<void>(controller, loadView);
  bool charging = send<id>(controller, chargingView) != nil;
  out.set(View::kChargingView, state(charging, charging ? "shown" : "none"));
  out.set(View::kChargingBatteryVisible, yesNo(send<BOOL>(controller, batteryVisible)));
  id view = scene.make(sb::SBLockScreenBatteryChargingView);
  send<void>(view, setBatteryVisible_, static_cast<BOOL>(YES));
  out.set(View::kChargingViewBatteryVisible, yesNo(send<BOOL>(view, batteryVisible)));
}

void reportGrabbers(ReportObjects& scene, Scene& out) {
  id camera = scene.make(sb::SBCameraGrabberView);
  id image = send<id>(camera, cameraGrabberImage);
  out.set(View::kCameraGrabber, state(image != nil, image != nil ? "shown" : "none"));
  id slideUp = scene.make(sb::SBSlideUpAppGrabberView);
  send<void>(slideUp, setGrabberImage_, image != nil ? image : camera);
  bool slideUpImage = send<id>(slideUp, grabberImage) != nil;
  out.set(View::kSlideUpGrabber, state(slideUpImage, slideUpImage ? "set" : "none"));
  id slideUpController = scene.make(sb::SBLockScreenSlideUpToAppController);
  send<void>(slideUpController, prepareForSlideUpAnimation);
  out.set(View::kSlideUpPrepared, yesNo(send<BOOL>(slideUpController, isPreparedForSlideUp)));

  id lockView = scene.make(sb::SBLockScreenView);
  id requester = vm::nsString("SpringBoard");
  send<void>(lockView, setTopGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  send<void>(lockView, setBottomGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  out.set(View::kTopGrabberHidden, yesNo(send<BOOL>(lockView, isTopGrabberHidden)));
  out.set(View::kBottomGrabberHidden, yesNo(send<BOOL>(lockView, isBottomGrabberHidden)));
}

void reportSlideToUnlock(ReportObjects& scene, Scene& out) {
  id glint = scene.make(vm::uikit::cls::GlintyStringView);
  send<void>(glint, setChevronStyle_, 1L);
  send<void>(glint, updateText);
  NSInteger chevron = send<NSInteger>(glint, chevronStyle);
  out.set(View::kChevronStyle, style(chevron, chevronStyleMeaning(chevron)));
  out.set(View::kTextUpdates, count(send<NSInteger>(glint, textUpdateCount)));
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
