// The lock-screen element replacements against recording probes in place of the platform's
// methods: what reaches the saved implementation, and what comes back, flag off and on.
// That every one of them forwards exactly with its flags off is the forwarding test's.
#include "tweak/hooks/lockscreen_elements.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/hook_probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

using namespace velmotint::replaced;

template <auto Replacement>
using P = HookProbe<Replacement>;

const std::vector<HookCase>& cases() {
  static const id image = sample<id>(0, 0);
  static const std::vector<HookCase> all{
      skips<&SBLockScreenViewController_startLockScreenFadeInAnimationForSource_>(&ENABLED23),
      skips<&SBSlideUpAppGrabberView_setGrabberImage_>(&ENABLED11),
      skips<&SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation>(&ENABLED22),
      skips<&_UIGlintyStringView_setChevronStyle_>(&ENABLED18),
      skips<&_UIGlintyStringView_updateText>(&ENABLED18),
      skips<&SBLockScreenDateViewController_setDateHidden_>(&ENABLED16),
      skips<&SBLockScreenDateViewController_loadView>(&ENABLED16),
      skips<&SBLockScreenDateViewController__updateView>(&ENABLED16),
      skips<&SBLockScreenDateViewController__backlightChanged>(&ENABLED16),
      skips<&SBLockScreenDateViewController__updateFormat>(&ENABLED16),
      skips<&SBLockScreenDateViewController__addObservers>(&ENABLED16),
      skips<&SBLockScreenBatteryChargingViewController_loadView>(&ENABLED17),
      skips<&SBLockScreenBatteryChargingView_setBatteryVisible_>(&ENABLED14),
      skips<&SBLockScreenPreviewView__setupCameraView>(&ENABLED11),
      skips<&SBLockScreenPreviewView__setupDateView>(&ENABLED16),
      // The single-precision 0.1, widened: not the double nearest 0.1.
      answers<&SBFadeAnimationSettings_backlightFadeDuration>(&ENABLED23, CGFloat{0.75},
                                                              CGFloat{0.10000000149011612}),
      answers<&SBCameraGrabberView__cameraGrabberImage>(&ENABLED11, image, id{nil}),
      answers<&SBLockScreenDateViewController_isDateHidden>(&ENABLED16, BOOL{NO}, BOOL{YES}),
      answers<&SBLockScreenDateViewController_disablesUpdates>(&ENABLED16, BOOL{NO}, BOOL{YES}),
      answers<&SBLockScreenBatteryChargingViewController_batteryVisible>(&ENABLED14, BOOL{YES},
                                                                         BOOL{NO}),
      answers<&SBLockScreenBatteryChargingViewController_chargingView>(&ENABLED17, image, id{nil}),
      answers<&SBLockScreenBatteryChargingView_batteryVisible>(&ENABLED14, BOOL{YES}, BOOL{NO}),
      answers<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>(&ENABLED19, CGFloat{0.5},
                                                                           CGFloat{0.0}),
      answers<&SBLockScreenViewController_showsSpringBoardStatusBar>(&ENABLED19, BOOL{YES},
                                                                     BOOL{NO}),
      answers<&SBLockScreenViewController__shouldShowDate>(&ENABLED6, BOOL{YES}, BOOL{NO}),
      answers<&SBLockScreenViewController_statusBarStyle>(&ENABLED4, NSInteger{2}, NSInteger{0}),
  };
  return all;
}

using TopGrabber = P<&SBLockScreenView_setTopGrabberHidden_forRequester_>;
using BottomGrabber = P<&SBLockScreenView_setBottomGrabberHidden_forRequester_>;
using SlideToUnlockSetup = P<&SBLockScreenPreviewView__setupSlideToUnlockView>;
using IsDateHidden = P<&SBLockScreenDateViewController_isDateHidden>;
using ShouldShowDate = P<&SBLockScreenViewController__shouldShowDate>;
using ChargingView = P<&SBLockScreenBatteryChargingViewController_chargingView>;
using BatteryVisible = P<&SBLockScreenBatteryChargingViewController_batteryVisible>;
using StatusBarStyle = P<&SBLockScreenViewController_statusBarStyle>;
using ShowsStatusBar = P<&SBLockScreenViewController_showsSpringBoardStatusBar>;
using StatusBarAlpha = P<&SBLockScreenViewController__effectiveVisibleStatusBarAlpha>;

class LockScreenElementsTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    for (const HookCase& c : cases()) c.install();
    TopGrabber::install();
    BottomGrabber::install();
    SlideToUnlockSetup::install();
    ASSERT_FALSE(HasFailure());
    installTweak();
  }
};

TEST_F(LockScreenElementsTest, EachReplacementSkipsOrAnswersByItselfUnderItsFlag) {
  for (const HookCase& c : cases()) {
    SCOPED_TRACE(std::string(c.row->className) + " " + c.row->selector);
    c.check(make(c.row->className));
  }
}

TEST_F(LockScreenElementsTest, EachFlagGovernsOnlyItsOwnMethods) {
  id date = make("SBLockScreenDateViewController");
  id charging = make("SBLockScreenBatteryChargingViewController");
  id lock = make("SBLockScreenViewController");

  // ENABLED6 alone hides the controller's date; the date controller still forwards.
  ENABLED6.store(true);
  EXPECT_EQ(ShouldShowDate::send(lock), NO);
  EXPECT_EQ(IsDateHidden::send(date), NO);
  ENABLED6.store(false);
  ENABLED16.store(true);
  EXPECT_EQ(ShouldShowDate::send(lock), YES);
  ENABLED16.store(false);

  // ENABLED17 takes the charging view away; visibility still follows ENABLED14 only.
  ENABLED17.store(true);
  EXPECT_EQ(ChargingView::send(charging), nil);
  EXPECT_EQ(BatteryVisible::send(charging), YES);
  ENABLED17.store(false);

  // ENABLED4 restyles the status bar without hiding it.
  ENABLED4.store(true);
  EXPECT_EQ(StatusBarStyle::send(lock), 0);
  EXPECT_EQ(ShowsStatusBar::send(lock), YES);
  EXPECT_EQ(StatusBarAlpha::send(lock), 0.5);
  ENABLED4.store(false);

  // ENABLED5 and ENABLED20 gate nothing.
  ENABLED5.store(true);
  ENABLED20.store(true);
  EXPECT_EQ(IsDateHidden::send(date), NO);
  EXPECT_EQ(StatusBarStyle::send(lock), 2);
}

TEST_F(LockScreenElementsTest, GrabberSettersAlwaysForwardAndTheirFlagForcesHidden) {
  id view = make("SBLockScreenView");
  id requester = make("SBLockScreenViewController");

  TopGrabber::send(view, NO, requester);
  EXPECT_EQ(std::get<0>(TopGrabber::lastArgs), NO);
  ENABLED10.store(true);
  TopGrabber::send(view, NO, requester);
  EXPECT_EQ(TopGrabber::calls, 2);
  EXPECT_EQ(std::get<0>(TopGrabber::lastArgs), YES);
  EXPECT_EQ(std::get<1>(TopGrabber::lastArgs), requester);
  EXPECT_EQ(TopGrabber::lastSelf, view);
  EXPECT_EQ(TopGrabber::lastCmd, TopGrabber::selector());

  // The bottom grabber answers to ENABLED9, not ENABLED10.
  BottomGrabber::send(view, NO, requester);
  EXPECT_EQ(std::get<0>(BottomGrabber::lastArgs), NO);
  ENABLED9.store(true);
  BottomGrabber::send(view, NO, nil);
  EXPECT_EQ(std::get<0>(BottomGrabber::lastArgs), YES);
  EXPECT_EQ(std::get<1>(BottomGrabber::lastArgs), nil);
  EXPECT_EQ(BottomGrabber::calls, 2);
}

TEST_F(LockScreenElementsTest, PreviewNeverSetsUpItsSlideToUnlockView) {
  id preview = make("SBLockScreenPreviewView");
  SlideToUnlockSetup::send(preview);
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(true);
  SlideToUnlockSetup::send(preview);
  EXPECT_EQ(SlideToUnlockSetup::calls, 0);
  EXPECT_NE(*SlideToUnlockSetup::row().saved, nullptr) << "its saved slot is filled all the same";
}

TEST_F(LockScreenElementsTest, AFlagTurnedOnBetweenTwoCallsIsSeenByTheSecond) {
  id date = make("SBLockScreenDateViewController");
  EXPECT_EQ(IsDateHidden::send(date), NO);
  ENABLED16.store(true);
  EXPECT_EQ(IsDateHidden::send(date), YES);
  EXPECT_EQ(IsDateHidden::calls, 1);
}

}  // namespace
}  // namespace vm::test
