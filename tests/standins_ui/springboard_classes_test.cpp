// SpringBoard's classes: each replaced method leaves a trace that a getter reads back; and
// what UIKit's and SpringBoard's classes retain they release.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "bridge/foundation.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"
#include "tests/support/objc_helpers.h"

namespace vm::springboard {
namespace {

using uikit::componentsOf;
using uikit::Rgba;

using test::sel;

// A new object its caller releases, and one the case's pool releases when the case ends.
id newObject(Class c) {
  return send<id>(send<id>(c, sel::alloc), sel::init);
}
id make(Class c) {
  return send<id>(newObject(c), sel::autorelease);
}

class SpringBoardClassesTest : public ::testing::Test {
 protected:
  void SetUp() override { VMRegisterSpringBoardClasses(); }
  AutoreleasePool pool_;
};

TEST_F(SpringBoardClassesTest, BannerLaysOutOneGrabberAtTheTopCentre) {
  id banner = send<id>(send<id>(cls::SBBannerContextView.get(), sel::alloc), sel::initWithFrame_,
                       CGRectMake(0, 0, 320, 80));
  EXPECT_EQ(send<id>(banner, sel::grabberView), nil);
  send<void>(banner, sel::p_layoutGrabber);
  id grabber = send<id>(banner, sel::grabberView);
  ASSERT_NE(grabber, nil);
  EXPECT_EQ(send<id>(grabber, sel::superview), banner);
  EXPECT_EQ(send<CGRect>(grabber, sel::frame), CGRectMake(142, 5, 36, 5));
  send<void>(banner, sel::p_layoutGrabber);
  EXPECT_EQ(send<id>(banner, sel::grabberView), grabber);
  EXPECT_EQ(send<NSInteger>(banner, sel("grabberLayoutCount")), 2);
  release(banner);
}

TEST_F(SpringBoardClassesTest, FadeSettingsDefaultToAQuarterSecond) {
  id settings = make(cls::SBFadeAnimationSettings);
  EXPECT_EQ(send<CGFloat>(settings, sel::backlightFadeDuration), 0.25);
}

TEST_F(SpringBoardClassesTest, CameraGrabberImageIsKeptPerView) {
  id view = make(cls::SBCameraGrabberView);
  id image = send<id>(view, sel::p_cameraGrabberImage);
  ASSERT_NE(image, nil);
  EXPECT_TRUE(isKindOf(image, cls::UIImage));
  EXPECT_EQ(send<id>(view, sel::p_cameraGrabberImage), image);
}

TEST_F(SpringBoardClassesTest, SlideUpControllerRecordsItsPreparation) {
  id controller = make(cls::SBLockScreenSlideUpToAppController);
  EXPECT_EQ(send<BOOL>(controller, sel::isPreparedForSlideUp), NO);
  send<void>(controller, sel::prepareForSlideUpAnimation);
  EXPECT_EQ(send<BOOL>(controller, sel::isPreparedForSlideUp), YES);
  EXPECT_EQ(send<NSInteger>(controller, sel("slideUpPreparationCount")), 1);
}

TEST_F(SpringBoardClassesTest, DateControllerLoadsUpdatesAndHides) {
  id controller = make(cls::SBLockScreenDateViewController);
  EXPECT_EQ(send<BOOL>(controller, sel::isViewLoaded), NO);
  send<void>(controller, sel::p_addObservers);
  EXPECT_EQ(send<BOOL>(controller, sel::isObserving), YES);

  send<void>(controller, sel::loadView);
  id label = send<id>(controller, sel("view"));
  ASSERT_TRUE(isKindOf(label, cls::UILabel));
  send<void>(controller, sel::p_backlightChanged);  // catches the date up
  EXPECT_EQ(send<NSInteger>(controller, sel("backlightChangeCount")), 1);
  EXPECT_EQ(send<NSInteger>(controller, sel::updateCount), 1);
  EXPECT_FALSE(stdString(send<id>(label, sel::text)).empty());

  std::string before = stdString(send<id>(controller, sel("dateFormat")));
  send<void>(controller, sel::p_updateFormat);
  EXPECT_NE(stdString(send<id>(controller, sel("dateFormat"))), before);
  EXPECT_EQ(send<NSInteger>(controller, sel("formatUpdateCount")), 1);

  // Hiding the date hides the label and stops its updates.
  send<void>(label, sel::setText_, nsString("stale"));
  send<void>(controller, sel::setDateHidden_, static_cast<BOOL>(YES));
  EXPECT_EQ(send<BOOL>(controller, sel::isDateHidden), YES);
  EXPECT_EQ(send<BOOL>(controller, sel::disablesUpdates), YES);
  EXPECT_EQ(send<BOOL>(label, sel::isHidden), YES);
  send<void>(controller, sel::p_updateView);
  EXPECT_EQ(send<NSInteger>(controller, sel::updateCount), 2);
  EXPECT_EQ(stdString(send<id>(label, sel::text)), "stale");
}

TEST_F(SpringBoardClassesTest, ChargingControllerMakesAViewThatShowsTheBattery) {
  id controller = make(cls::SBLockScreenBatteryChargingViewController);
  EXPECT_EQ(send<id>(controller, sel::chargingView), nil);
  EXPECT_EQ(send<BOOL>(controller, sel::batteryVisible), NO);
  send<void>(controller, sel::loadView);
  id view = send<id>(controller, sel::chargingView);
  ASSERT_TRUE(isKindOf(view, cls::SBLockScreenBatteryChargingView));
  EXPECT_EQ(send<BOOL>(view, sel::batteryVisible), YES);
  EXPECT_EQ(send<BOOL>(controller, sel::batteryVisible), YES);
  EXPECT_EQ(send<BOOL>(send<id>(view, sel("batteryView")), sel::isHidden), NO);

  send<void>(view, sel::setBatteryVisible_, static_cast<BOOL>(NO));
  EXPECT_EQ(send<BOOL>(controller, sel::batteryVisible), NO);
  EXPECT_EQ(send<BOOL>(send<id>(view, sel("batteryView")), sel::isHidden), YES);
  EXPECT_EQ(retainCount(view), 1u);  // the controller's alone
}

TEST_F(SpringBoardClassesTest, PreviewPartsAreMadeOnceEach) {
  id preview = make(cls::SBLockScreenPreviewView);
  for (const char* part : {"cameraView", "dateView", "slideToUnlockView"})
    EXPECT_EQ(send<id>(preview, sel(part)), nil) << part;
  send<void>(preview, sel::p_setupCameraView);
  send<void>(preview, sel::p_setupDateView);
  send<void>(preview, sel::p_setupSlideToUnlockView);
  send<void>(preview, sel::p_setupCameraView);
  id camera = send<id>(preview, sel::cameraView);
  EXPECT_EQ(send<id>(camera, sel::superview), preview);
  EXPECT_TRUE(isKindOf(send<id>(preview, sel::slideToUnlockView), cls::p_UIGlintyStringView));
  EXPECT_EQ(send<NSUInteger>(send<id>(preview, sel::subviews), sel::count), 3u);
  EXPECT_EQ(send<NSInteger>(preview, sel("setupCount")), 4);
}

TEST_F(SpringBoardClassesTest, AggregatorUpdatesItsItems) {
  id aggregator = make(cls::SBStatusBarStateAggregator);
  send<void>(aggregator, sel::p_updateActivityItem);
  EXPECT_EQ(send<BOOL>(aggregator, sel::isActivityItemVisible), YES);
  EXPECT_EQ(send<NSInteger>(aggregator, sel("activityUpdateCount")), 1);

  send<void>(aggregator, sel::setAirplaneModeEnabled_, static_cast<BOOL>(YES));
  EXPECT_EQ(send<BOOL>(aggregator, sel::isAirplaneModeItemVisible), NO);  // not updated yet
  send<void>(aggregator, sel::p_noteAirplaneModeChanged);
  EXPECT_EQ(send<BOOL>(aggregator, sel::isAirplaneModeItemVisible), YES);
  EXPECT_EQ(send<NSInteger>(aggregator, sel("airplaneModeChangeCount")), 1);
  EXPECT_EQ(send<NSInteger>(aggregator, sel("airplaneModeUpdateCount")), 1);

  EXPECT_EQ(send<id>(aggregator, sel("timeItemText")), nil);
  send<void>(aggregator, sel::p_updateTimeItems);
  std::string time = stdString(send<id>(aggregator, sel("timeItemText")));
  ASSERT_EQ(time.size(), 5u);
  EXPECT_EQ(time[2], ':');
  EXPECT_EQ(send<NSInteger>(aggregator, sel::timeUpdateCount), 1);
}

struct BackgroundUpdate {
  const char* update;
  const char* area;
  Rgba colour;
};

class LockScreenBackgroundTest : public SpringBoardClassesTest,
                                 public ::testing::WithParamInterface<BackgroundUpdate> {};

void PrintTo(const BackgroundUpdate& u, std::ostream* out) {
  *out << u.update;
}

TEST_P(LockScreenBackgroundTest, PaintsItsArea) {
  id lockScreen = make(cls::SBLockScreenView);
  id area = send<id>(lockScreen, sel(GetParam().area));
  ASSERT_EQ(send<id>(area, sel::superview), lockScreen);
  EXPECT_EQ(send<id>(area, sel::backgroundColor), nil);
  send<void>(lockScreen, sel(GetParam().update));
  EXPECT_EQ(componentsOf(send<id>(area, sel::backgroundColor)), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, LockScreenBackgroundTest,
    ::testing::Values(
        BackgroundUpdate{"_updateSlideToUnlockBackground", "slideToUnlockView", {0, 0, 0, 0.25}},
        BackgroundUpdate{"_updateBottomGrabberBackground", "bottomGrabberView", {1, 1, 1, 0.4}},
        BackgroundUpdate{"_updateTopGrabberBackground", "topGrabberView", {1, 1, 1, 0.4}},
        BackgroundUpdate{"_updateVibrantViewBackgrounds", "vibrantView", {1, 1, 1, 0.1}}));

TEST_F(SpringBoardClassesTest, GrabbersHideWhileAnyRequesterAsks) {
  id lockScreen = make(cls::SBLockScreenView);
  id camera = nsString("camera"), notification = nsString("notification");
  send<void>(lockScreen, sel::setTopGrabberHidden_forRequester_, static_cast<BOOL>(YES), camera);
  send<void>(lockScreen, sel::setTopGrabberHidden_forRequester_, static_cast<BOOL>(YES),
             notification);
  send<void>(lockScreen, sel::setTopGrabberHidden_forRequester_, static_cast<BOOL>(NO), camera);
  EXPECT_EQ(send<BOOL>(lockScreen, sel::isTopGrabberHidden), YES);
  EXPECT_EQ(send<BOOL>(lockScreen, sel("isTopGrabberHiddenForRequester:"), camera), NO);
  EXPECT_EQ(send<BOOL>(lockScreen, sel("isTopGrabberHiddenForRequester:"), notification), YES);
  EXPECT_EQ(send<BOOL>(send<id>(lockScreen, sel::topGrabberView), sel::isHidden), YES);
  // The two grabbers are independent.
  EXPECT_EQ(send<BOOL>(lockScreen, sel::isBottomGrabberHidden), NO);
  send<void>(lockScreen, sel::setBottomGrabberHidden_forRequester_, static_cast<BOOL>(YES), camera);
  EXPECT_EQ(send<BOOL>(lockScreen, sel("isBottomGrabberHiddenForRequester:"), camera), YES);
  send<void>(lockScreen, sel::setBottomGrabberHidden_forRequester_, static_cast<BOOL>(NO), camera);
  EXPECT_EQ(send<BOOL>(send<id>(lockScreen, sel::bottomGrabberView), sel::isHidden), NO);
}

TEST_F(SpringBoardClassesTest, PageControlKeepsTheFrameItIsMadeWith) {
  id control = send<id>(send<id>(cls::SBIconListPageControl.get(), sel::alloc), sel::initWithFrame_,
                        CGRectMake(0, 0, 320, 37));
  EXPECT_EQ(send<CGRect>(control, sel::frame), CGRectMake(0, 0, 320, 37));
  release(control);
}

TEST_F(SpringBoardClassesTest, LockScreenControllerAnswersFromItsStatusBarState) {
  id controller = make(cls::SBLockScreenViewController);
  // Its default style (1) and date shown read in the SpringBoard report with the flags off.
  EXPECT_EQ(send<BOOL>(controller, sel::showsSpringBoardStatusBar), YES);
  EXPECT_EQ(send<CGFloat>(controller, sel::p_effectiveVisibleStatusBarAlpha), 1.0);

  send<void>(controller, sel("setStatusBarAlpha:"), CGFloat{0.6});
  EXPECT_EQ(send<CGFloat>(controller, sel::p_effectiveVisibleStatusBarAlpha), 0.6);
  EXPECT_EQ(send<NSInteger>(controller, sel::statusBarStyle), 2);
  send<void>(controller, sel("setShowsStatusBar:"), static_cast<BOOL>(NO));
  EXPECT_EQ(send<CGFloat>(controller, sel::p_effectiveVisibleStatusBarAlpha), 0.0);
  send<void>(controller, sel("setShowsDate:"), static_cast<BOOL>(NO));
  EXPECT_EQ(send<BOOL>(controller, sel::p_shouldShowDate), NO);

  EXPECT_EQ(send<NSInteger>(controller, sel("lastFadeInSource")), -1);
  send<void>(controller, sel::startLockScreenFadeInAnimationForSource_, 3);
  EXPECT_EQ(send<NSInteger>(controller, sel("lastFadeInSource")), 3);
  EXPECT_EQ(send<NSInteger>(controller, sel::fadeInAnimationCount), 1);
}

// Objects UIKit's and SpringBoard's classes keep: retained when set, given up at dealloc.
struct Kept {
  const char* owner;
  const char* setter;
  const char* getter;
  id (*value)();
};

void PrintTo(const Kept& k, std::ostream* out) {
  *out << k.owner << " " << k.setter;
}

class KeptObjectTest : public SpringBoardClassesTest, public ::testing::WithParamInterface<Kept> {};

TEST_P(KeptObjectTest, IsRetainedUntilItsOwnerGoes) {
  const Kept& k = GetParam();
  id value = retain(k.value());
  unsigned long before = retainCount(value);
  id owner = newObject(objc_getClass(k.owner));
  send<void>(owner, sel(k.setter), value);
  EXPECT_EQ(send<id>(owner, sel(k.getter)), value);
  EXPECT_EQ(retainCount(value), before + 1);
  release(owner);
  EXPECT_EQ(retainCount(value), before);
  release(value);
}

id red() {
  return send<id>(cls::UIColor.get(), sel::redColor);
}
id image() {
  return send<id>(cls::UIImage.get(), sel::imageNamed_, nsString("Grabber"));
}
id font() {
  return send<id>(cls::UIFont.get(), sel::fontWithName_size_, nsString("F"), CGFloat{16});
}
id label() {
  return make(cls::UILabel);
}

INSTANTIATE_TEST_SUITE_P(
    Setters, KeptObjectTest,
    ::testing::Values(Kept{"UIView", "setBackgroundColor:", "backgroundColor", red},
                      Kept{"UILabel", "setFont:", "font", font},
                      Kept{"_UIGlintyStringView", "setLabel:", "label", label},
                      Kept{"_UILegibilitySettings", "setPrimaryColor:", "primaryColor", red},
                      Kept{"_UILegibilitySettings", "setSecondaryColor:", "secondaryColor", red},
                      Kept{"UIActivityIndicatorView", "setColor:", "color", red},
                      Kept{"SBChevronView", "setColor:", "color", red},
                      Kept{"SBSlideUpAppGrabberView", "setGrabberImage:", "grabberImage", image}));

}  // namespace
}  // namespace vm::springboard
