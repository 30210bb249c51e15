// With its flags off, every appearance replacement hands the platform exactly what it got
// (receiver, selector, arguments) and returns exactly what the platform answers, also
// while every other flag is on.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "bridge/foundation.h"
#include "tests/appearance/appearance_test.h"
#include "tests/support/probe.h"
#include "tweak/feature_flags.h"

namespace {

using vm::send;
using vm::test::Probe;

// Probes named by install number, with the hooked method's signature.
using P1 = Probe<1, void(CGRect)>;
using P2 = Probe<2, void()>;
using P3 = Probe<3, id()>;
using P8 = Probe<8, void(CGRect)>;
using P9 = Probe<9, void(BOOL, id)>;
using P10 = Probe<10, CGFloat()>;
using P11 = Probe<11, void(id)>;
using P12 = Probe<12, void()>;
using P15 = Probe<15, void(id)>;
using P29 = Probe<29, BOOL()>;
using P30 = Probe<30, CGFloat()>;
using P31 = Probe<31, CGFloat()>;
using P35 = Probe<35, void()>;
using P36 = Probe<36, void()>;
using P37 = Probe<37, void()>;
using P38 = Probe<38, void()>;
using P39 = Probe<39, void()>;
using P40 = Probe<40, void()>;
using P41 = Probe<41, void()>;
using P42 = Probe<42, void()>;
using P45 = Probe<45, id()>;
using P46 = Probe<46, id(CGRect)>;
using P47 = Probe<47, BOOL()>;
using P53 = Probe<53, void(id)>;
using P54 = Probe<54, BOOL()>;
using P55 = Probe<55, BOOL()>;
using P56 = Probe<56, CGFloat()>;
using P57 = Probe<57, void(id)>;
using P58 = Probe<58, void(id)>;
using P59 = Probe<59, void(id)>;
using P60 = Probe<60, id(double, double, BOOL)>;
using P61 = Probe<61, id(NSInteger)>;
using P62 = Probe<62, void(id)>;
using P63 = Probe<63, id(id, id, id)>;

// What the platform answers: values that no replacement's own answer equals.
id gAnswer = nil;
BOOL gNo = NO;
CGFloat gOffset = 7.5;
CGFloat gBrightness = 0.375;
CGFloat gLuminance = 0.625;
CGFloat gShadow = 0.4;

const CGRect kFrame{{1, 2}, {30, 40}};

// Sends `selector` with `args` and expects probe P to have run once with the same
// receiver, selector and arguments, and its answer to come back unchanged.
template <typename P, typename... Args>
void expectForwarded(id receiver, const char* selector, Args... args) {
  using R = std::remove_pointer_t<decltype(P::result)>;
  P::reset();
  SEL cmd = sel_registerName(selector);
  if constexpr (std::is_void_v<R>) {
    send<void>(receiver, cmd, args...);
  } else {
    EXPECT_EQ(send<R>(receiver, cmd, args...), *P::result) << selector;
  }
  EXPECT_EQ(P::calls, 1) << selector;
  EXPECT_EQ(P::lastSelf, receiver) << selector;
  EXPECT_EQ(P::lastCmd, cmd) << selector;
  EXPECT_TRUE(P::lastArgs == std::make_tuple(args...)) << selector;
}

class ForwardingTest : public vm::test::AppearanceTest {
 protected:
  void SetUp() override {
    AppearanceTest::SetUp();
    gAnswer = vm::nsString("the platform's answer");
    for (auto* answer :
         {&P3::result, &P45::result, &P46::result, &P60::result, &P61::result, &P63::result})
      *answer = &gAnswer;
    for (auto* answer : {&P29::result, &P47::result, &P54::result, &P55::result}) *answer = &gNo;
    P10::result = &gOffset;
    P30::result = &gBrightness;
    P31::result = &gLuminance;
    P56::result = &gShadow;

    Class banner = cls("SBBannerContextView");
    ASSERT_TRUE(P1::install(cls("SBIconBadgeView"), "setFrame:"));
    ASSERT_TRUE(P2::install(banner, "_layoutGrabber"));
    ASSERT_TRUE(P3::install(object_getClass(vm::asId(banner)), "_defaultGrabberColor"));
    ASSERT_TRUE(P8::install(cls("SBIconImageView"), "setFrame:"));
    const char* glint = "_UIGlintyStringView";
    ASSERT_TRUE(P9::install(cls(glint), "setBlurHidden:forRequester:"));
    ASSERT_TRUE(P10::install(cls(glint), "_chevronVerticalOffset"));
    ASSERT_TRUE(P11::install(cls(glint), "setLabel:"));
    ASSERT_TRUE(P12::install(cls(glint), "layoutSubviews"));
    ASSERT_TRUE(P15::install(cls("UILabel"), "setColor:"));
    const char* provider = "_UILegibilitySettingsProvider";
    ASSERT_TRUE(P29::install(cls(provider), "hasContrast"));
    ASSERT_TRUE(P30::install(cls(provider), "accumulatedBrightness"));
    ASSERT_TRUE(P31::install(cls(provider), "accumulatedLuminance"));
    const char* aggregator = "SBStatusBarStateAggregator";
    ASSERT_TRUE(P35::install(cls(aggregator), "_updateActivityItem"));
    ASSERT_TRUE(P36::install(cls(aggregator), "_updateAirplaneMode"));
    ASSERT_TRUE(P37::install(cls(aggregator), "_noteAirplaneModeChanged"));
    ASSERT_TRUE(P38::install(cls(aggregator), "_updateTimeItems"));
    const char* lock = "SBLockScreenView";
    ASSERT_TRUE(P39::install(cls(lock), "_updateSlideToUnlockBackground"));
    ASSERT_TRUE(P40::install(cls(lock), "_updateBottomGrabberBackground"));
    ASSERT_TRUE(P41::install(cls(lock), "_updateTopGrabberBackground"));
    ASSERT_TRUE(P42::install(cls(lock), "_updateVibrantViewBackgrounds"));
    ASSERT_TRUE(P45::install(cls("SBIconLabelImageParameters"), "text"));
    ASSERT_TRUE(P46::install(cls("SBIconListPageControl"), "initWithFrame:"));
    ASSERT_TRUE(P47::install(cls("UIStatusBarBatteryItemView"), "_needsAccessoryImage"));
    ASSERT_TRUE(P53::install(cls("SBChevronView"), "setColor:"));
    ASSERT_TRUE(P54::install(cls("_UILegibilityView"), "usesSecondaryColor"));
    ASSERT_TRUE(P55::install(cls("_UILegibilityLabel"), "usesSecondaryColor"));
    const char* settings = "_UILegibilitySettings";
    ASSERT_TRUE(P56::install(cls(settings), "shadowAlpha"));
    ASSERT_TRUE(P57::install(cls(settings), "setPrimaryColor:"));
    ASSERT_TRUE(P58::install(cls(settings), "setSecondaryColor:"));
    ASSERT_TRUE(P59::install(cls("UIActivityIndicatorView"), "setColor:"));
    const char* foreground = "UIStatusBarNewUIForegroundStyleAttributes";
    ASSERT_TRUE(P60::install(cls(foreground), "_batteryColorForCapacity:lowCapacity:charging:"));
    ASSERT_TRUE(P61::install(cls(foreground), "textColorForStyle:"));
    ASSERT_TRUE(P62::install(cls("_UIRefreshControlModernContentView"), "setTintColor:"));
    ASSERT_TRUE(P63::install(cls("UIStatusBarNewUIStyleAttributes"),
                             "initWithRequest:backgroundColor:foregroundColor:"));
    storeUserColours();
    installTweak();
  }
};

struct ForwardCase {
  int number;                             // the hook table's install number
  std::vector<std::atomic<bool>*> flags;  // the flags the replacement reads
  std::function<void()> check;
};

class ForwardingCases : public ForwardingTest {
 protected:
  // One case per replacement: a new receiver of the hooked class, and the call to check.
  template <typename Call>
  std::function<void()> on(const char* className, Call call) {
    return [this, className, call] { call(make(className)); };
  }

  std::vector<ForwardCase> cases() {
    id colour = someColour();
    id requester = vm::nsString("requester");
    BOOL no = NO;
    BOOL yes = YES;
    const char* glint = "_UIGlintyStringView";
    const char* provider = "_UILegibilitySettingsProvider";
    const char* aggregator = "SBStatusBarStateAggregator";
    const char* lock = "SBLockScreenView";
    const char* settings = "_UILegibilitySettings";
    const char* foreground = "UIStatusBarNewUIForegroundStyleAttributes";
    return {
        {1,
         {&ENABLED24},
         on("SBIconBadgeView", [](id o) { expectForwarded<P1>(o, "setFrame:", kFrame); })},
        {2,
         {&ENABLED2},
         on("SBBannerContextView", [](id o) { expectForwarded<P2>(o, "_layoutGrabber"); })},
        {3,
         {&ENABLED2},
         [] {
           expectForwarded<P3>(vm::asId(objc_getClass("SBBannerContextView")),
                               "_defaultGrabberColor");
         }},
        {8,
         {&ENABLED21},
         on("SBIconImageView", [](id o) { expectForwarded<P8>(o, "setFrame:", kFrame); })},
        {9,
         {&ENABLED2},
         on(glint,
            [=](id o) { expectForwarded<P9>(o, "setBlurHidden:forRequester:", no, requester); })},
        {10,
         {&ENABLED2},
         on(glint, [](id o) { expectForwarded<P10>(o, "_chevronVerticalOffset"); })},
        {11, {&ENABLED2}, on(glint, [](id o) { expectForwarded<P11>(o, "setLabel:", o); })},
        {12, {&ENABLED2}, on(glint, [](id o) { expectForwarded<P12>(o, "layoutSubviews"); })},
        {15,
         {&ENABLED2},
         on("UILabel", [=](id o) { expectForwarded<P15>(o, "setColor:", colour); })},
        {29, {&ENABLED2}, on(provider, [](id o) { expectForwarded<P29>(o, "hasContrast"); })},
        {30,
         {&ENABLED2},
         on(provider, [](id o) { expectForwarded<P30>(o, "accumulatedBrightness"); })},
        {31,
         {&ENABLED2},
         on(provider, [](id o) { expectForwarded<P31>(o, "accumulatedLuminance"); })},
        {35,
         {&ENABLED15},
         on(aggregator, [](id o) { expectForwarded<P35>(o, "_updateActivityItem"); })},
        {36,
         {&ENABLED13},
         on(aggregator, [](id o) { expectForwarded<P36>(o, "_updateAirplaneMode"); })},
        {37,
         {&ENABLED13},
         on(aggregator, [](id o) { expectForwarded<P37>(o, "_noteAirplaneModeChanged"); })},
        {38,
         {&ENABLED12},
         on(aggregator, [](id o) { expectForwarded<P38>(o, "_updateTimeItems"); })},
        {39,
         {&ENABLED2},
         on(lock, [](id o) { expectForwarded<P39>(o, "_updateSlideToUnlockBackground"); })},
        {40,
         {&ENABLED2},
         on(lock, [](id o) { expectForwarded<P40>(o, "_updateBottomGrabberBackground"); })},
        {41,
         {&ENABLED2},
         on(lock, [](id o) { expectForwarded<P41>(o, "_updateTopGrabberBackground"); })},
        {42,
         {&ENABLED2},
         on(lock, [](id o) { expectForwarded<P42>(o, "_updateVibrantViewBackgrounds"); })},
        {45,
         {&ENABLED8},
         on("SBIconLabelImageParameters", [](id o) { expectForwarded<P45>(o, "text"); })},
        {46,
         {&ENABLED7},
         [] {
           // The probe answers in place of the initialiser: the object stays uninitialised
           // and is given back here.
           id allocated = send<id>(objc_getClass("SBIconListPageControl"), vm::sel::alloc);
           expectForwarded<P46>(allocated, "initWithFrame:", kFrame);
           vm::release(allocated);
         }},
        {47,
         {&ENABLED3},
         on("UIStatusBarBatteryItemView",
            [](id o) { expectForwarded<P47>(o, "_needsAccessoryImage"); })},
        {53,
         {&ENABLED2},
         on("SBChevronView", [=](id o) { expectForwarded<P53>(o, "setColor:", colour); })},
        {54,
         {&ENABLED2},
         on("_UILegibilityView", [](id o) { expectForwarded<P54>(o, "usesSecondaryColor"); })},
        {55,
         {&ENABLED2},
         on("_UILegibilityLabel", [](id o) { expectForwarded<P55>(o, "usesSecondaryColor"); })},
        {56, {&ENABLED2}, on(settings, [](id o) { expectForwarded<P56>(o, "shadowAlpha"); })},
        {57,
         {&ENABLED2},
         on(settings, [=](id o) { expectForwarded<P57>(o, "setPrimaryColor:", colour); })},
        {58,
         {&ENABLED2},
         on(settings, [=](id o) { expectForwarded<P58>(o, "setSecondaryColor:", colour); })},
        {59,
         {&ENABLED1, &ENABLED2},
         on("UIActivityIndicatorView",
            [=](id o) { expectForwarded<P59>(o, "setColor:", colour); })},
        {60,
         {&ENABLED1},
         on(foreground,
            [=](id o) {
              expectForwarded<P60>(o, "_batteryColorForCapacity:lowCapacity:charging:", 0.42, 0.2,
                                   yes);
            })},
        {61,
         {&ENABLED1, &ENABLED2},
         on(foreground, [](id o) { expectForwarded<P61>(o, "textColorForStyle:", NSInteger{3}); })},
        {62,
         {&ENABLED1},
         on("_UIRefreshControlModernContentView",
            [=](id o) { expectForwarded<P62>(o, "setTintColor:", colour); })},
        {63,
         {&ENABLED1, &ENABLED2},
         [=] {
           id allocated =
               send<id>(objc_getClass("UIStatusBarNewUIStyleAttributes"), vm::sel::alloc);
           expectForwarded<P63>(allocated,
                                "initWithRequest:backgroundColor:foregroundColor:", requester,
                                colour, colour);
           vm::release(allocated);
         }},
    };
  }
};

TEST_F(ForwardingCases, EveryReplacementHandsThePlatformExactlyWhatItGotWhileItsFlagsAreOff) {
  std::set<int> numbers;
  for (const ForwardCase& c : cases()) {
    numbers.insert(c.number);
    SCOPED_TRACE("hook " + std::to_string(c.number));
    vm::test::setOnlyFlags({});
    c.check();
    // Every other hook's flags on: none of them reaches this one.
    for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(true);
    for (std::atomic<bool>* flag : c.flags) flag->store(false);
    c.check();
  }
  EXPECT_EQ(numbers.size(), 34u);
}

}  // namespace
