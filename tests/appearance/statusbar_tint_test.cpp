// The status-bar tint under ENABLED1 and ENABLED2: which colour each replacement hands on
// or answers for each combination of the two flags, and in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

const Rgba kBlack{0, 0, 0, 1};
const Rgba kWhite{1, 1, 1, 1};
const Rgba kCharging{0.3, 0.85, 0.39, 1};

// Every colour the activity indicator's platform setter receives, in order.
std::vector<Rgba> gIndicatorColours;
void recordIndicatorColour(id, SEL, id colour) {
  gIndicatorColours.push_back(rgbaOf(colour));
}

class StatusBarTintTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
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
  // A new style-attributes object, released by the caller.
  static id styleAttributes(id request, id background, id foreground) {
    return send<id>(send<id>(cls("UIStatusBarNewUIStyleAttributes"), vm::sel::alloc),
                    sel("initWithRequest:backgroundColor:foregroundColor:"), request, background,
                    foreground);
  }
};

// For each combination of ENABLED1 and ENABLED2: the colours the activity indicator's setter
// receives in order, the text colour for styles 0 to 2, and the user colour the style
// attributes' foreground takes (null: the caller's arguments go through). The battery and
// the refresh control follow ENABLED1 only.
TEST_F(StatusBarTintTest, EachColourFollowsItsFlagsInEveryCombination) {
  storeUserColours();
  id given = someColour(), request = vm::nsString("style request");
  id white = send<id>(vm::cls::UIColor.get(), vm::sel::whiteColor);
  const Rgba platformGrey{0.5, 0.5, 0.5, 1};
  const Rgba c2 = userRgba("vmColor2"), c4 = userRgba("vmColor4"), c6 = userRgba("vmColor6");
  struct Case {
    bool enabled1, enabled2;
    std::vector<Rgba> indicator, textForStyles012;
    const char* foregroundKey;
  };
  const Case cases[] = {
      {false, false, {rgbaOf(given)}, {kBlack, kWhite, platformGrey}, nullptr},
      {true, false, {c4, c4}, {c2, c2, c2}, "vmColor1"},
      {false, true, {c6}, {c6, c6, c6}, "vmColor5"},
      {true, true, {c4, c6}, {c2, c2, c2}, "vmColor1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("ENABLED1 ") + (c.enabled1 ? "on" : "off") + ", ENABLED2 " +
                 (c.enabled2 ? "on" : "off"));
    ENABLED1.store(c.enabled1);
    ENABLED2.store(c.enabled2);
    gIndicatorColours.clear();
    send<void>(make("UIActivityIndicatorView"), vm::sel::setColor_, someColour());
    EXPECT_EQ(gIndicatorColours, c.indicator);
    for (NSInteger style = 0; style < 3; ++style)
      EXPECT_EQ(rgbaOf(textColour(style)), c.textForStyles012[style]) << "style " << style;

    std::vector<Rgba> battery{rgbaOf(batteryColour(0.1, NO)), rgbaOf(batteryColour(0.9, NO)),
                              rgbaOf(batteryColour(0.5, YES))};
    id refresh = make("_UIRefreshControlModernContentView");
    send<void>(refresh, vm::sel::setTintColor_, given);
    if (c.enabled1) {
      EXPECT_EQ(battery, std::vector<Rgba>(3, userRgba("vmColor3")));
      EXPECT_EQ(rgbaOf(send<id>(refresh, vm::sel::tintColor)), userRgba("vmColor4"));
    } else {
      EXPECT_EQ(battery, (std::vector<Rgba>{Rgba{1, 0, 0, 1}, kWhite, kCharging}));
      EXPECT_EQ(send<id>(refresh, vm::sel::tintColor), given);
    }
    EXPECT_EQ(send<NSInteger>(refresh, sel("tintColorChangeCount")), 1);

    id attributes = styleAttributes(request, given, white);
    ASSERT_NE(attributes, nil);
    if (c.foregroundKey == nullptr) {
      EXPECT_EQ(send<id>(attributes, sel("request")), request);
      EXPECT_EQ(send<id>(attributes, vm::sel::backgroundColor), given);
      EXPECT_EQ(send<id>(attributes, sel("foregroundColor")), white);
    } else {
      EXPECT_EQ(send<id>(attributes, sel("request")), nil);
      EXPECT_EQ(rgbaOf(send<id>(attributes, vm::sel::backgroundColor)), kClear);
      EXPECT_EQ(rgbaOf(send<id>(attributes, sel("foregroundColor"))), userRgba(c.foregroundKey));
    }
    vm::release(attributes);
  }
}

TEST_F(StatusBarTintTest, WithoutASettingsFileEveryReplacedColourIsTheFallback) {
  ENABLED1.store(true);
  ENABLED2.store(true);
  EXPECT_EQ(rgbaOf(textColour(1)), fallbackRgba());
  EXPECT_EQ(rgbaOf(batteryColour(0.5, YES)), fallbackRgba());
  send<void>(make("UIActivityIndicatorView"), vm::sel::setColor_, someColour());
  EXPECT_EQ(gIndicatorColours, std::vector<Rgba>(2, fallbackRgba()));
  id refresh = make("_UIRefreshControlModernContentView");
  send<void>(refresh, vm::sel::setTintColor_, someColour());
  EXPECT_EQ(rgbaOf(send<id>(refresh, vm::sel::tintColor)), fallbackRgba());
  id attributes = styleAttributes(nil, someColour(), someColour());
  EXPECT_EQ(rgbaOf(send<id>(attributes, sel("foregroundColor"))), fallbackRgba());
  vm::release(attributes);
}

}  // namespace
}  // namespace vm::test
