// The status-bar tint under ENABLED1 and ENABLED2: which colour each replacement hands on
// or answers for each combination of the two flags, and in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "tests/appearance/appearance_test.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

const Rgba kBlack{0, 0, 0, 1};
const Rgba kWhite{1, 1, 1, 1};

// Every colour the activity indicator's platform setter receives, in order.
std::vector<Rgba> gIndicatorColours;
void recordIndicatorColour(id, SEL, id colour) {
  gIndicatorColours.push_back(rgbaOf(colour));
}

struct Flags {
  bool enabled1;
  bool enabled2;
};
std::string describe(Flags f) {
  return std::string("ENABLED1 ") + (f.enabled1 ? "on" : "off") + ", ENABLED2 " +
         (f.enabled2 ? "on" : "off");
}
void apply(Flags f) {
  ENABLED1.store(f.enabled1);
  ENABLED2.store(f.enabled2);
}

class StatusBarTintTest : public AppearanceTest {
 protected:
  void SetUp() override {
    AppearanceTest::SetUp();
    Method setColor = class_getInstanceMethod(cls("UIActivityIndicatorView"), sel("setColor:"));
    ASSERT_NE(setColor, nullptr);
    method_setImplementation(setColor, vm::toImp(&recordIndicatorColour));
    installTweak();
  }

  id textColour(NSInteger style) {
    return send<id>(make("UIStatusBarNewUIForegroundStyleAttributes"), sel("textColorForStyle:"),
                    style);
  }
  id batteryColour(CGFloat capacity, BOOL charging) {
    return send<id>(make("UIStatusBarNewUIForegroundStyleAttributes"),
                    sel("_batteryColorForCapacity:lowCapacity:charging:"), capacity, CGFloat{0.2},
                    charging);
  }
};

TEST_F(StatusBarTintTest, ActivityIndicatorIsSetOnceOrTwiceAndEndsInVmColor6UnderEnabled2) {
  storeUserColours();
  Rgba given = rgbaOf(someColour());
  struct Case {
    Flags flags;
    std::vector<Rgba> received;
  };
  const std::vector<Case> cases{
      {{false, false}, {given}},
      {{true, false}, {userRgba("vmColor4"), userRgba("vmColor4")}},
      {{false, true}, {userRgba("vmColor6")}},
      {{true, true}, {userRgba("vmColor4"), userRgba("vmColor6")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(describe(c.flags));
    apply(c.flags);
    gIndicatorColours.clear();
    send<void>(make("UIActivityIndicatorView"), vm::sel::setColor_, someColour());
    EXPECT_EQ(gIndicatorColours, c.received);
  }
}

TEST_F(StatusBarTintTest, TextTakesOneColourForEveryStyleAndEnabled1Wins) {
  storeUserColours();
  const Rgba platformGrey{0.5, 0.5, 0.5, 1};
  struct Case {
    Flags flags;
    std::vector<Rgba> forStyles012;
  };
  const std::vector<Case> cases{
      {{false, false}, {kBlack, kWhite, platformGrey}},
      {{true, false}, std::vector<Rgba>(3, userRgba("vmColor2"))},
      {{false, true}, std::vector<Rgba>(3, userRgba("vmColor6"))},
      {{true, true}, std::vector<Rgba>(3, userRgba("vmColor2"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(describe(c.flags));
    apply(c.flags);
    for (NSInteger style = 0; style < 3; ++style)
      EXPECT_EQ(rgbaOf(textColour(style)), c.forStyles012[style]) << "style " << style;
  }
}

TEST_F(StatusBarTintTest, BatteryAndRefreshControlFollowEnabled1Only) {
  storeUserColours();
  const Rgba charging{0.3, 0.85, 0.39, 1};
  id given = someColour();
  for (Flags flags :
       {Flags{false, false}, Flags{false, true}, Flags{true, false}, Flags{true, true}}) {
    SCOPED_TRACE(describe(flags));
    apply(flags);
    std::vector<Rgba> battery{rgbaOf(batteryColour(0.1, NO)), rgbaOf(batteryColour(0.9, NO)),
                              rgbaOf(batteryColour(0.5, YES))};
    id refresh = make("_UIRefreshControlModernContentView");
    send<void>(refresh, vm::sel::setTintColor_, given);
    if (flags.enabled1) {
      EXPECT_EQ(battery, std::vector<Rgba>(3, userRgba("vmColor3")));
      EXPECT_EQ(rgbaOf(send<id>(refresh, vm::sel::tintColor)), userRgba("vmColor4"));
    } else {
      EXPECT_EQ(battery, (std::vector<Rgba>{Rgba{1, 0, 0, 1}, kWhite, charging}));
      EXPECT_EQ(send<id>(refresh, vm::sel::tintColor), given);
    }
    EXPECT_EQ(send<NSInteger>(refresh, sel("tintColorChangeCount")), 1);
  }
}

TEST_F(StatusBarTintTest, StyleAttributesGetNoRequestAClearBackgroundAndTheUsersForeground) {
  storeUserColours();
  struct Case {
    Flags flags;
    const char* foregroundKey;  // null: the caller's arguments go through
  };
  const std::vector<Case> cases{
      {{false, false}, nullptr},
      {{true, false}, "vmColor1"},
      {{false, true}, "vmColor5"},
      {{true, true}, "vmColor1"},
  };
  id request = vm::nsString("style request");
  id background = someColour();
  id foreground = send<id>(vm::cls::UIColor.get(), vm::sel::whiteColor);
  for (const Case& c : cases) {
    SCOPED_TRACE(describe(c.flags));
    apply(c.flags);
    id attributes = send<id>(send<id>(cls("UIStatusBarNewUIStyleAttributes"), vm::sel::alloc),
                             sel("initWithRequest:backgroundColor:foregroundColor:"), request,
                             background, foreground);
    ASSERT_NE(attributes, nil);
    if (c.foregroundKey == nullptr) {
      EXPECT_EQ(send<id>(attributes, sel("request")), request);
      EXPECT_EQ(send<id>(attributes, vm::sel::backgroundColor), background);
      EXPECT_EQ(send<id>(attributes, sel("foregroundColor")), foreground);
    } else {
      EXPECT_EQ(send<id>(attributes, sel("request")), nil);
      EXPECT_EQ(rgbaOf(send<id>(attributes, vm::sel::backgroundColor)), kClear);
      EXPECT_EQ(rgbaOf(send<id>(attributes, sel("foregroundColor"))), userRgba(c.foregroundKey));
    }
    vm::release(attributes);
  }
}

TEST_F(StatusBarTintTest, WithoutASettingsFileEveryReplacedColourIsTheFallback) {
  apply({true, true});
  EXPECT_EQ(rgbaOf(textColour(1)), fallbackRgba());
  EXPECT_EQ(rgbaOf(batteryColour(0.5, YES)), fallbackRgba());
  send<void>(make("UIActivityIndicatorView"), vm::sel::setColor_, someColour());
  EXPECT_EQ(gIndicatorColours, std::vector<Rgba>(2, fallbackRgba()));
  id refresh = make("_UIRefreshControlModernContentView");
  send<void>(refresh, vm::sel::setTintColor_, someColour());
  EXPECT_EQ(rgbaOf(send<id>(refresh, vm::sel::tintColor)), fallbackRgba());
  id attributes = send<id>(send<id>(cls("UIStatusBarNewUIStyleAttributes"), vm::sel::alloc),
                           sel("initWithRequest:backgroundColor:foregroundColor:"), id{nil},
                           someColour(), someColour());
  EXPECT_EQ(rgbaOf(send<id>(attributes, sel("foregroundColor"))), fallbackRgba());
  vm::release(attributes);
}

}  // namespace
}  // namespace vm::test
