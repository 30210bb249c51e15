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

// Every colour the activity indicator's platform setter receives, in order.
std::vector<Rgba> gIndicatorColours;
void recordIndicatorColour(id, SEL, id colour) {
  gIndicatorColours.push_back(componentsOf(colour));
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

// For each combination of ENABLED1 and ENABLED2 with one on: the colours the activity
// indicator's setter receives in order, the text colour for styles 0 to 2, and the user colour
// the style attributes' foreground takes. The battery and the refresh control follow ENABLED1
// only. With ENABLED1 off they and, with both off, all the rest hand on exactly what they got
// (the forwarding test in hooks_test).
TEST_F(StatusBarTintTest, EachColourFollowsItsFlagsWhenOneIsOn) {
  storeUserColours();
  id given = someColour(), request = vm::nsString("style request");
  const Rgba c2 = userRgba("vmColor2"), c4 = userRgba("vmColor4"), c6 = userRgba("vmColor6");
  struct Case {
    bool enabled1, enabled2;
    std::vector<Rgba> indicator, textForStyles012;
    const char* foregroundKey;
  };
  const Case cases[] = {
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
      EXPECT_EQ(componentsOf(textColour(style)), c.textForStyles012[style]) << "style " << style;
    if (c.enabled1) {
      std::vector<Rgba> battery{componentsOf(batteryColour(0.1, NO)),
                                componentsOf(batteryColour(0.9, NO)),
                                componentsOf(batteryColour(0.5, YES))};
      EXPECT_EQ(battery, std::vector<Rgba>(3, userRgba("vmColor3")));
      id refresh = make("_UIRefreshControlModernContentView");
      send<void>(refresh, vm::sel::setTintColor_, given);
      EXPECT_EQ(componentsOf(send<id>(refresh, vm::sel::tintColor)), userRgba("vmColor4"));
      EXPECT_EQ(send<NSInteger>(refresh, sel("tintColorChangeCount")), 1);
    }
    id attributes = styleAttributes(request, given, given);
    ASSERT_NE(attributes, nil);
    EXPECT_EQ(send<id>(attributes, sel("request")), nil);
    EXPECT_EQ(componentsOf(send<id>(attributes, vm::sel::backgroundColor)), kClear);
    EXPECT_EQ(componentsOf(send<id>(attributes, sel("foregroundColor"))),
              userRgba(c.foregroundKey));
    vm::release(attributes);
  }
}

TEST_F(StatusBarTintTest, WithoutASettingsFileEveryReplacedColourIsTheFallback) {
  ENABLED1.store(true);
  ENABLED2.store(true);
  EXPECT_EQ(componentsOf(textColour(1)), fallbackRgba());
  EXPECT_EQ(componentsOf(batteryColour(0.5, YES)), fallbackRgba());
  send<void>(make("UIActivityIndicatorView"), vm::sel::setColor_, someColour());
  EXPECT_EQ(gIndicatorColours, std::vector<Rgba>(2, fallbackRgba()));
  id refresh = make("_UIRefreshControlModernContentView");
  send<void>(refresh, vm::sel::setTintColor_, someColour());
  EXPECT_EQ(componentsOf(send<id>(refresh, vm::sel::tintColor)), fallbackRgba());
  id attributes = styleAttributes(nil, someColour(), someColour());
  EXPECT_EQ(componentsOf(send<id>(attributes, sel("foregroundColor"))), fallbackRgba());
  vm::release(attributes);
}

}  // namespace
}  // namespace vm::test
