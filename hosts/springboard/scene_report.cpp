#include "hosts/springboard/scene_report.h"

#include "bridge/foundation.h"
#include "hosts/springboard/appearance_report.h"
#include "hosts/springboard/report_text.h"
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

void reportDate(ReportObjects& scene, ReportLines& out) {
  id date = scene.make(sb::SBLockScreenDateViewController);
  send<void>(date, addObservers);
  send<void>(date, loadView);
  send<void>(date, setDateHidden_, static_cast<BOOL>(NO));
  send<void>(date, updateFormat);
  send<void>(date, updateView);
  send<void>(date, backlightChanged);
  out.add("date hidden", yesNo(send<BOOL>(date, isDateHidden)));
  out.add("date view loaded", yesNo(send<BOOL>(date, isViewLoaded)));
  out.add("date observing changes", yesNo(send<BOOL>(date, isObserving)));
  out.add("date updates disabled", yesNo(send<BOOL>(date, disablesUpdates)));
  out.add("date updates run", formatted("%ld", send<NSInteger>(date, updateCount)));

  id preview = scene.make(sb::SBLockScreenPreviewView);
  send<void>(preview, setupCameraView);
  send<void>(preview, setupDateView);
  send<void>(preview, setupSlideToUnlockView);
  out.add("preview camera view", yesNo(send<id>(preview, cameraView) != nil));
  out.add("preview date view", yesNo(send<id>(preview, dateView) != nil));
  out.add("preview slide-to-unlock view", yesNo(send<id>(preview, slideToUnlockView) != nil));
}

void reportLockScreen(ReportObjects& scene, ReportLines& out) {
  id controller = scene.make(sb::SBLockScreenViewController);
  out.add("lock screen shows date", yesNo(send<BOOL>(controller, shouldShowDate)));
  out.add("status bar shown", yesNo(send<BOOL>(controller, showsSpringBoardStatusBar)));
  out.add("status bar alpha",
          formatted("%.2f", send<CGFloat>(controller, effectiveVisibleStatusBarAlpha)));
  out.add("status bar style", formatted("%ld", send<NSInteger>(controller, statusBarStyle)));
  send<void>(controller, startFadeIn_, 1L);
  out.add("fade-in animations run",
          formatted("%ld", send<NSInteger>(controller, fadeInAnimationCount)));
  id fade = scene.make(sb::SBFadeAnimationSettings);
  out.add("backlight fade duration",
          formatted("%.17g s", send<CGFloat>(fade, backlightFadeDuration)));
}

void reportCharging(ReportObjects& scene, ReportLines& out) {
  id controller = scene.make(sb::SBLockScreenBatteryChargingViewController);
  send<void>(controller, loadView);
  out.add("charging view", send<id>(controller, chargingView) != nil ? "shown" : "none");
  out.add("charging battery visible", yesNo(send<BOOL>(controller, batteryVisible)));
  id view = scene.make(sb::SBLockScreenBatteryChargingView);
  send<void>(view, setBatteryVisible_, static_cast<BOOL>(YES));
  out.add("charging view's battery visible", yesNo(send<BOOL>(view, batteryVisible)));
}

void reportGrabbers(ReportObjects& scene, ReportLines& out) {
  id camera = scene.make(sb::SBCameraGrabberView);
  id image = send<id>(camera, cameraGrabberImage);
  out.add("camera grabber image", image != nil ? "shown" : "none");
  id slideUp = scene.make(sb::SBSlideUpAppGrabberView);
  send<void>(slideUp, setGrabberImage_, image != nil ? image : camera);
  out.add("slide-up grabber image", send<id>(slideUp, grabberImage) != nil ? "set" : "none");
  id slideUpController = scene.make(sb::SBLockScreenSlideUpToAppController);
  send<void>(slideUpController, prepareForSlideUpAnimation);
  out.add("slide-up animation prepared",
          yesNo(send<BOOL>(slideUpController, isPreparedForSlideUp)));

  id lockView = scene.make(sb::SBLockScreenView);
  id requester = vm::nsString("SpringBoard");
  send<void>(lockView, setTopGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  send<void>(lockView, setBottomGrabberHidden_forRequester_, static_cast<BOOL>(NO), requester);
  out.add("top grabber hidden", yesNo(send<BOOL>(lockView, isTopGrabberHidden)));
  out.add("bottom grabber hidden", yesNo(send<BOOL>(lockView, isBottomGrabberHidden)));
}

void reportSlideToUnlock(ReportObjects& scene, ReportLines& out) {
  id glint = scene.make(vm::uikit::cls::GlintyStringView);
  send<void>(glint, setChevronStyle_, 1L);
  send<void>(glint, updateText);
  out.add("slide-to-unlock chevron style", formatted("%ld", send<NSInteger>(glint, chevronStyle)));
  out.add("slide-to-unlock text updates",
          formatted("%ld", send<NSInteger>(glint, textUpdateCount)));
}

}  // namespace

std::string sceneReport() {
  vm::AutoreleasePool pool;
  ReportObjects scene;
  ReportLines out;
  out.heading("Lock screen");
  reportLockScreen(scene, out);
  reportDate(scene, out);
  reportCharging(scene, out);
  reportGrabbers(scene, out);
  reportSlideToUnlock(scene, out);
  return out.text() + appearanceReport();
}

}  // namespace springboard
