// The lock-screen element replacements against recording probes in place of the platform's
// methods: what reaches the saved implementation, and what comes back, flag off and on.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "tests/support/probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"

namespace {

using vm::send;
using vm::test::Probe;

// Probes named by install number, with the hooked method's signature.
using P4 = Probe<4, CGFloat()>;
using P5 = Probe<5, id()>;
using P6 = Probe<6, void(id)>;
using P7 = Probe<7, void()>;
using P13 = Probe<13, void(NSInteger)>;
using P14 = Probe<14, void()>;
using P16 = Probe<16, void(BOOL)>;
using P17 = Probe<17, BOOL()>;
using P18 = Probe<18, BOOL()>;
using P19 = Probe<19, void()>;
using P20 = Probe<20, void()>;
using P21 = Probe<21, void()>;
using P22 = Probe<22, void()>;
using P23 = Probe<23, void()>;
using P24 = Probe<24, BOOL()>;
using P25 = Probe<25, void()>;
using P26 = Probe<26, id()>;
using P27 = Probe<27, void(BOOL)>;
using P28 = Probe<28, BOOL()>;
using P32 = Probe<32, void()>;
using P33 = Probe<33, void()>;
using P34 = Probe<34, void()>;
using P43 = Probe<43, void(BOOL, id)>;
using P44 = Probe<44, void(BOOL, id)>;
using P48 = Probe<48, void(NSInteger)>;
using P49 = Probe<49, CGFloat()>;
using P50 = Probe<50, BOOL()>;
using P51 = Probe<51, BOOL()>;
using P52 = Probe<52, NSInteger()>;

// What the platform answers in these tests: values no replacement constant equals.
CGFloat gPlatformDuration = 0.75;
id gPlatformObject = nil;
BOOL gPlatformNo = NO;
BOOL gPlatformYes = YES;
CGFloat gPlatformAlpha = 0.5;
NSInteger gPlatformStyle = 2;

class LockScreenElementsTest : public vm::test::SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    gPlatformObject = send<id>(send<id>(vm::cls::NSObject.get(), vm::sel::alloc), vm::sel::init);
    P4::result = &gPlatformDuration;
    P5::result = &gPlatformObject;
    P26::result = &gPlatformObject;
    P17::result = &gPlatformNo;
    P18::result = &gPlatformNo;
    P24::result = &gPlatformYes;
    P28::result = &gPlatformYes;
    P49::result = &gPlatformAlpha;
    P50::result = &gPlatformYes;
    P51::result = &gPlatformYes;
    P52::result = &gPlatformStyle;
    ASSERT_TRUE(P4::install(cls("SBFadeAnimationSettings"), "backlightFadeDuration"));
    ASSERT_TRUE(P5::install(cls("SBCameraGrabberView"), "_cameraGrabberImage"));
    ASSERT_TRUE(P6::install(cls("SBSlideUpAppGrabberView"), "setGrabberImage:"));
    ASSERT_TRUE(P7::install(cls("SBLockScreenSlideUpToAppController"), "prepareForSlideUpAnimation"));
    ASSERT_TRUE(P13::install(cls("_UIGlintyStringView"), "setChevronStyle:"));
    ASSERT_TRUE(P14::install(cls("_UIGlintyStringView"), "updateText"));
    const char* date = "SBLockScreenDateViewController";
    ASSERT_TRUE(P16::install(cls(date), "setDateHidden:"));
    ASSERT_TRUE(P17::install(cls(date), "isDateHidden"));
    ASSERT_TRUE(P18::install(cls(date), "disablesUpdates"));
    ASSERT_TRUE(P19::install(cls(date), "loadView"));
    ASSERT_TRUE(P20::install(cls(date), "_updateView"));
    ASSERT_TRUE(P21::install(cls(date), "_backlightChanged"));
    ASSERT_TRUE(P22::install(cls(date), "_updateFormat"));
    ASSERT_TRUE(P23::install(cls(date), "_addObservers"));
    const char* charging = "SBLockScreenBatteryChargingViewController";
    ASSERT_TRUE(P24::install(cls(charging), "batteryVisible"));
    ASSERT_TRUE(P25::install(cls(charging), "loadView"));
    ASSERT_TRUE(P26::install(cls(charging), "chargingView"));
    ASSERT_TRUE(P27::install(cls("SBLockScreenBatteryChargingView"), "setBatteryVisible:"));
    ASSERT_TRUE(P28::install(cls("SBLockScreenBatteryChargingView"), "batteryVisible"));
    ASSERT_TRUE(P32::install(cls("SBLockScreenPreviewView"), "_setupCameraView"));
    ASSERT_TRUE(P33::install(cls("SBLockScreenPreviewView"), "_setupDateView"));
    ASSERT_TRUE(P34::install(cls("SBLockScreenPreviewView"), "_setupSlideToUnlockView"));
    ASSERT_TRUE(P43::install(cls("SBLockScreenView"), "setTopGrabberHidden:forRequester:"));
    ASSERT_TRUE(P44::install(cls("SBLockScreenView"), "setBottomGrabberHidden:forRequester:"));
    const char* lock = "SBLockScreenViewController";
    ASSERT_TRUE(P48::install(cls(lock), "startLockScreenFadeInAnimationForSource:"));
    ASSERT_TRUE(P49::install(cls(lock), "_effectiveVisibleStatusBarAlpha"));
    ASSERT_TRUE(P50::install(cls(lock), "showsSpringBoardStatusBar"));
    ASSERT_TRUE(P51::install(cls(lock), "_shouldShowDate"));
    ASSERT_TRUE(P52::install(cls(lock), "statusBarStyle"));
    installTweak();
  }
};

// A replacement whose flag turns the call into "skip": the method sent, and how many
// times the platform's implementation has run.
struct SkipCase {
  const char* name;
  std::atomic<bool>* flag;
  const char* className;
  std::function<void(id)> send;
  std::function<int()> platformCalls;
};

std::vector<SkipCase> skipCases() {
  return {
      {"startLockScreenFadeInAnimationForSource:", &ENABLED23, "SBLockScreenViewController",
       [](id o) { send<void>(o, sel_registerName("startLockScreenFadeInAnimationForSource:"), 3L); },
       [] { return P48::calls; }},
      {"setGrabberImage:", &ENABLED11, "SBSlideUpAppGrabberView",
       [](id o) { send<void>(o, sel_registerName("setGrabberImage:"), o); },
       [] { return P6::calls; }},
      {"prepareForSlideUpAnimation", &ENABLED22, "SBLockScreenSlideUpToAppController",
       [](id o) { send<void>(o, sel_registerName("prepareForSlideUpAnimation")); },
       [] { return P7::calls; }},
      {"setChevronStyle:", &ENABLED18, "_UIGlintyStringView",
       [](id o) { send<void>(o, sel_registerName("setChevronStyle:"), 2L); },
       [] { return P13::calls; }},
      {"updateText", &ENABLED18, "_UIGlintyStringView",
       [](id o) { send<void>(o, sel_registerName("updateText")); }, [] { return P14::calls; }},
      {"setDateHidden:", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("setDateHidden:"), static_cast<BOOL>(NO)); },
       [] { return P16::calls; }},
      {"date loadView", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("loadView")); }, [] { return P19::calls; }},
      {"_updateView", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("_updateView")); }, [] { return P20::calls; }},
      {"_backlightChanged", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("_backlightChanged")); },
       [] { return P21::calls; }},
      {"_updateFormat", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("_updateFormat")); }, [] { return P22::calls; }},
      {"_addObservers", &ENABLED16, "SBLockScreenDateViewController",
       [](id o) { send<void>(o, sel_registerName("_addObservers")); }, [] { return P23::calls; }},
      {"charging loadView", &ENABLED17, "SBLockScreenBatteryChargingViewController",
       [](id o) { send<void>(o, sel_registerName("loadView")); }, [] { return P25::calls; }},
      {"setBatteryVisible:", &ENABLED14, "SBLockScreenBatteryChargingView",
       [](id o) { send<void>(o, sel_registerName("setBatteryVisible:"), static_cast<BOOL>(YES)); },
       [] { return P27::calls; }},
      {"_setupCameraView", &ENABLED11, "SBLockScreenPreviewView",
       [](id o) { send<void>(o, sel_registerName("_setupCameraView")); },
       [] { return P32::calls; }},
      {"_setupDateView", &ENABLED16, "SBLockScreenPreviewView",
       [](id o) { send<void>(o, sel_registerName("_setupDateView")); }, [] { return P33::calls; }},
  };
}

TEST_F(LockScreenElementsTest, SkippingReplacementsForwardWithTheirFlagOffAndSkipWithItOn) {
  for (const SkipCase& c : skipCases()) {
    SCOPED_TRACE(c.name);
    id object = make(c.className);
    c.flag->store(false);
    int before = c.platformCalls();
    c.send(object);
    EXPECT_EQ(c.platformCalls(), before + 1) << "flag off must reach the platform";
    c.flag->store(true);
    c.send(object);
    EXPECT_EQ(c.platformCalls(), before + 1) << "flag on must skip the platform";
    c.flag->store(false);
  }
}

TEST_F(LockScreenElementsTest, ArgumentsReachThePlatformUnchangedWithFlagsOff) {
  id date = make("SBLockScreenDateViewController");
  send<void>(date, sel_registerName("setDateHidden:"), static_cast<BOOL>(YES));
  EXPECT_EQ(std::get<0>(P16::lastArgs), YES);
  EXPECT_EQ(P16::lastSelf, date);
  EXPECT_EQ(P16::lastCmd, sel_registerName("setDateHidden:"));

  id glint = make("_UIGlintyStringView");
  send<void>(glint, sel_registerName("setChevronStyle:"), 7L);
  EXPECT_EQ(std::get<0>(P13::lastArgs), 7L);

  id lock = make("SBLockScreenViewController");
  send<void>(lock, sel_registerName("startLockScreenFadeInAnimationForSource:"), 42L);
  EXPECT_EQ(std::get<0>(P48::lastArgs), 42L);

  id grabber = make("SBSlideUpAppGrabberView");
  send<void>(grabber, sel_registerName("setGrabberImage:"), lock);
  EXPECT_EQ(std::get<0>(P6::lastArgs), lock);
}

TEST_F(LockScreenElementsTest, AnswersComeFromThePlatformWithFlagsOffAndAreFixedWithFlagsOn) {
  id fade = make("SBFadeAnimationSettings");
  id camera = make("SBCameraGrabberView");
  id date = make("SBLockScreenDateViewController");
  id charging = make("SBLockScreenBatteryChargingViewController");
  id chargingView = make("SBLockScreenBatteryChargingView");
  id lock = make("SBLockScreenViewController");

  auto fadeDuration = [&] { return send<CGFloat>(fade, sel_registerName("backlightFadeDuration")); };
  EXPECT_EQ(fadeDuration(), 0.75);
  EXPECT_EQ(send<id>(camera, sel_registerName("_cameraGrabberImage")), gPlatformObject);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("disablesUpdates")), NO);
  EXPECT_EQ(send<BOOL>(charging, sel_registerName("batteryVisible")), YES);
  EXPECT_EQ(send<id>(charging, sel_registerName("chargingView")), gPlatformObject);
  EXPECT_EQ(send<BOOL>(chargingView, sel_registerName("batteryVisible")), YES);
  EXPECT_EQ(send<CGFloat>(lock, sel_registerName("_effectiveVisibleStatusBarAlpha")), 0.5);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("showsSpringBoardStatusBar")), YES);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("_shouldShowDate")), YES);
  EXPECT_EQ(send<NSInteger>(lock, sel_registerName("statusBarStyle")), 2);
  int platformCallsWithFlagsOff = P4::calls + P5::calls + P17::calls + P18::calls + P24::calls +
                                  P26::calls + P28::calls + P49::calls + P50::calls +
                                  P51::calls + P52::calls;
  EXPECT_EQ(platformCallsWithFlagsOff, 11);

  for (auto* flag : {&ENABLED23, &ENABLED11, &ENABLED16, &ENABLED14, &ENABLED17, &ENABLED19,
                     &ENABLED6, &ENABLED4})
    flag->store(true);
  // The single-precision 0.1, widened: not the double nearest 0.1.
  EXPECT_EQ(fadeDuration(), 0.10000000149011612);
  EXPECT_NE(fadeDuration(), 0.1);
  EXPECT_EQ(send<id>(camera, sel_registerName("_cameraGrabberImage")), nil);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), YES);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("disablesUpdates")), YES);
  EXPECT_EQ(send<BOOL>(charging, sel_registerName("batteryVisible")), NO);
  EXPECT_EQ(send<id>(charging, sel_registerName("chargingView")), nil);
  EXPECT_EQ(send<BOOL>(chargingView, sel_registerName("batteryVisible")), NO);
  EXPECT_EQ(send<CGFloat>(lock, sel_registerName("_effectiveVisibleStatusBarAlpha")), 0.0);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("showsSpringBoardStatusBar")), NO);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("_shouldShowDate")), NO);
  EXPECT_EQ(send<NSInteger>(lock, sel_registerName("statusBarStyle")), 0);
  int platformCallsWithFlagsOn = P4::calls + P5::calls + P17::calls + P18::calls + P24::calls +
                                 P26::calls + P28::calls + P49::calls + P50::calls +
                                 P51::calls + P52::calls;
  EXPECT_EQ(platformCallsWithFlagsOn, platformCallsWithFlagsOff) << "a fixed answer runs nothing";
}

TEST_F(LockScreenElementsTest, EachFlagGovernsOnlyItsOwnMethods) {
  id date = make("SBLockScreenDateViewController");
  id charging = make("SBLockScreenBatteryChargingViewController");
  id lock = make("SBLockScreenViewController");

  // ENABLED6 alone hides the controller's date; the date controller still forwards.
  ENABLED6.store(true);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("_shouldShowDate")), NO);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);
  ENABLED6.store(false);
  ENABLED16.store(true);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("_shouldShowDate")), YES);
  ENABLED16.store(false);

  // ENABLED17 takes the charging view away; visibility still follows ENABLED14 only.
  ENABLED17.store(true);
  EXPECT_EQ(send<id>(charging, sel_registerName("chargingView")), nil);
  EXPECT_EQ(send<BOOL>(charging, sel_registerName("batteryVisible")), YES);
  ENABLED17.store(false);

  // ENABLED4 restyles the status bar without hiding it.
  ENABLED4.store(true);
  EXPECT_EQ(send<NSInteger>(lock, sel_registerName("statusBarStyle")), 0);
  EXPECT_EQ(send<BOOL>(lock, sel_registerName("showsSpringBoardStatusBar")), YES);
  EXPECT_EQ(send<CGFloat>(lock, sel_registerName("_effectiveVisibleStatusBarAlpha")), 0.5);
  ENABLED4.store(false);

  // ENABLED5 and ENABLED20 gate nothing.
  ENABLED5.store(true);
  ENABLED20.store(true);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);
  EXPECT_EQ(send<NSInteger>(lock, sel_registerName("statusBarStyle")), 2);
}

TEST_F(LockScreenElementsTest, GrabberSettersAlwaysForwardAndTheirFlagForcesHidden) {
  id view = make("SBLockScreenView");
  id requester = make("SBLockScreenViewController");
  SEL top = sel_registerName("setTopGrabberHidden:forRequester:");
  SEL bottom = sel_registerName("setBottomGrabberHidden:forRequester:");

  send<void>(view, top, static_cast<BOOL>(NO), requester);
  EXPECT_EQ(std::get<0>(P43::lastArgs), NO);
  ENABLED10.store(true);
  send<void>(view, top, static_cast<BOOL>(NO), requester);
  EXPECT_EQ(P43::calls, 2);
  EXPECT_EQ(std::get<0>(P43::lastArgs), YES);
  EXPECT_EQ(std::get<1>(P43::lastArgs), requester);
  EXPECT_EQ(P43::lastSelf, view);
  EXPECT_EQ(P43::lastCmd, top);

  // The bottom grabber answers to ENABLED9, not ENABLED10.
  send<void>(view, bottom, static_cast<BOOL>(NO), requester);
  EXPECT_EQ(std::get<0>(P44::lastArgs), NO);
  ENABLED9.store(true);
  send<void>(view, bottom, static_cast<BOOL>(NO), nil);
  EXPECT_EQ(std::get<0>(P44::lastArgs), YES);
  EXPECT_EQ(std::get<1>(P44::lastArgs), nil);
  EXPECT_EQ(P44::calls, 2);
}

TEST_F(LockScreenElementsTest, PreviewNeverSetsUpItsSlideToUnlockView) {
  id preview = make("SBLockScreenPreviewView");
  SEL setup = sel_registerName("_setupSlideToUnlockView");
  send<void>(preview, setup);
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(true);
  send<void>(preview, setup);
  EXPECT_EQ(P34::calls, 0);
  EXPECT_TRUE(slotFilled(34)) << "its saved slot is filled all the same";
}

TEST_F(LockScreenElementsTest, AFlagTurnedOnBetweenTwoCallsIsSeenByTheSecond) {
  id date = make("SBLockScreenDateViewController");
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), NO);
  ENABLED16.store(true);
  EXPECT_EQ(send<BOOL>(date, sel_registerName("isDateHidden")), YES);
  EXPECT_EQ(P17::calls, 1);
}

}  // namespace
