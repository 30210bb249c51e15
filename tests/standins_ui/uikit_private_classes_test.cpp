// UIKit's private classes answer from their state, so a test of a replacement can tell
// the platform's answer from the replacement's constant.
#include <gtest/gtest.h>

#include <ostream>

#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {
namespace {

// A new object, released by the case's pool when the case ends.
id make(Class c) {
  return send<id>(send<id>(send<id>(c, sel::alloc), sel::init), sel::autorelease);
}
id colour(CGFloat r, CGFloat g, CGFloat b, CGFloat a = 1) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, r, g, b, a);
}
id effectLayer(id glinty, NSUInteger index) {
  return send<id>(send<id>(send<id>(glinty, sel::effectView), sel::subviews), sel::objectAtIndex_,
                  index);
}

class PrivateClassTest : public ::testing::Test {
 protected:
  AutoreleasePool pool_;
};

// The white tint of the third layer shows in the SpringBoard report and picture.
TEST_F(PrivateClassTest, GlintyLayoutShowsBlurAndGlintOfItsThreeEffectLayers) {
  id glinty = make(cls::p_UIGlintyStringView);
  id effect = send<id>(glinty, sel::effectView);
  ASSERT_NE(effect, nil);
  EXPECT_EQ(send<id>(effect, sel::superview), glinty);
  EXPECT_EQ(send<NSUInteger>(send<id>(effect, sel::subviews), sel::count), 3u);
  send<void>(effectLayer(glinty, 0), sel::setAlpha_, CGFloat{0});
  send<void>(effectLayer(glinty, 1), sel::setAlpha_, CGFloat{0});
  send<void>(glinty, sel::layoutSubviews);
  EXPECT_EQ(send<CGFloat>(effectLayer(glinty, 0), sel::alpha), 1.0);
  EXPECT_EQ(send<CGFloat>(effectLayer(glinty, 1), sel::alpha), 1.0);
}

TEST_F(PrivateClassTest, GlintyBlurStaysHiddenWhileAnyRequesterAsks) {
  id glinty = make(cls::p_UIGlintyStringView);
  id lock = nsString("lock"), camera = nsString("camera");
  send<void>(glinty, sel::setBlurHidden_forRequester_, static_cast<BOOL>(YES), lock);
  send<void>(glinty, sel::setBlurHidden_forRequester_, static_cast<BOOL>(YES), camera);
  send<void>(glinty, sel::setBlurHidden_forRequester_, static_cast<BOOL>(NO), lock);
  EXPECT_EQ(send<BOOL>(glinty, sel::isBlurHidden), YES);
  EXPECT_EQ(send<BOOL>(glinty, sel::isBlurHiddenForRequester_, lock), NO);
  EXPECT_EQ(send<BOOL>(effectLayer(glinty, 0), sel::isHidden), YES);
  send<void>(glinty, sel::setBlurHidden_forRequester_, static_cast<BOOL>(NO), camera);
  EXPECT_EQ(send<BOOL>(glinty, sel::isBlurHidden), NO);
  EXPECT_EQ(send<BOOL>(effectLayer(glinty, 0), sel::isHidden), NO);
  // A nil requester is a requester too.
  send<void>(glinty, sel::setBlurHidden_forRequester_, static_cast<BOOL>(YES),
             static_cast<id>(nil));
  EXPECT_EQ(send<BOOL>(glinty, sel::isBlurHiddenForRequester_, static_cast<id>(nil)), YES);
}

TEST_F(PrivateClassTest, GlintyChevronOffsetFollowsTheStyle) {
  id glinty = make(cls::p_UIGlintyStringView);
  EXPECT_EQ(send<CGFloat>(glinty, sel::p_chevronVerticalOffset), 2.0);
  send<void>(glinty, sel::setChevronStyle_, NSInteger{2});
  EXPECT_EQ(send<CGFloat>(glinty, sel::p_chevronVerticalOffset), 4.0);
}

// That the label is kept and not added as a subview shows in the SpringBoard report, and that
// it is retained in KeptObjectTest.
TEST_F(PrivateClassTest, GlintyCopiesItsLabelsTextOnUpdate) {
  id glinty = make(cls::p_UIGlintyStringView);
  id text = make(cls::UILabel);
  send<void>(text, sel::setText_, nsString("slide to unlock"));
  send<void>(glinty, sel::setLabel_, text);
  EXPECT_EQ(send<id>(glinty, sel::displayedText), nil);
  send<void>(glinty, sel::updateText);
  EXPECT_EQ(stdString(send<id>(glinty, sel::displayedText)), "slide to unlock");
}

TEST_F(PrivateClassTest, LegibilityProviderAccumulatesWhatLiesBehind) {
  id provider = make(cls::p_UILegibilitySettingsProvider);
  EXPECT_EQ(send<CGFloat>(provider, sel::accumulatedBrightness), 0.0);
  EXPECT_EQ(send<BOOL>(provider, sel::hasContrast), NO);
  send<void>(provider, sel::addSampleColor_, colour(1, 1, 1));
  send<void>(provider, sel::addSampleColor_, colour(0, 0, 1));
  // Brightness: mean of max component; luminance: mean of Rec. 709 weights.
  EXPECT_DOUBLE_EQ(send<CGFloat>(provider, sel::accumulatedBrightness), 1.0);
  EXPECT_DOUBLE_EQ(send<CGFloat>(provider, sel::accumulatedLuminance), (1.0 + 0.0722) / 2);
  EXPECT_EQ(send<BOOL>(provider, sel::hasContrast), YES);
}

TEST_F(PrivateClassTest, LegibilitySettingsShadeByStyle) {
  id settings = make(cls::p_UILegibilitySettings);
  EXPECT_EQ(send<CGFloat>(settings, sel::shadowAlpha), 0.35);
  send<void>(settings, sel::setStyle_, NSInteger{1});
  EXPECT_EQ(send<CGFloat>(settings, sel::shadowAlpha), 0.5);
}

TEST_F(PrivateClassTest, LegibilityViewAndLabelUseTheSecondaryColourWhenTheyHaveOne) {
  for (Class c : {cls::p_UILegibilityView.get(), cls::p_UILegibilityLabel.get()}) {
    id view = make(c);
    id settings = make(cls::p_UILegibilitySettings);
    EXPECT_EQ(send<BOOL>(view, sel::usesSecondaryColor), NO) << class_getName(c);
    send<void>(view, sel::setSettings_, settings);
    EXPECT_EQ(send<BOOL>(view, sel::usesSecondaryColor), NO) << class_getName(c);
    send<void>(settings, sel::setSecondaryColor_, colour(1, 1, 1));
    EXPECT_EQ(send<BOOL>(view, sel::usesSecondaryColor), YES) << class_getName(c);
  }
}

struct BatteryCase {
  CGFloat capacity;
  CGFloat lowCapacity;
  BOOL charging;
  Rgba expected;
};

void PrintTo(const BatteryCase& c, std::ostream* out) {
  *out << "capacity " << c.capacity << " low " << c.lowCapacity
       << (c.charging ? " charging" : " on battery");
}

class BatteryColourTest : public PrivateClassTest,
                          public ::testing::WithParamInterface<BatteryCase> {};

TEST_P(BatteryColourTest, DependsOnChargeAndLevel) {
  id attributes = make(cls::UIStatusBarNewUIForegroundStyleAttributes);
  const BatteryCase& c = GetParam();
  EXPECT_EQ(componentsOf(send<id>(attributes, sel::p_batteryColorForCapacity_lowCapacity_charging_,
                                  c.capacity, c.lowCapacity, c.charging)),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(States, BatteryColourTest,
                         ::testing::Values(BatteryCase{80, 20, YES, {0.3, 0.85, 0.39, 1}},
                                           BatteryCase{10, 20, YES, {0.3, 0.85, 0.39, 1}},
                                           BatteryCase{10, 20, NO, {1, 0, 0, 1}},
                                           BatteryCase{20, 20, NO, {1, 0, 0, 1}},
                                           BatteryCase{21, 20, NO, {1, 1, 1, 1}}));

TEST_F(PrivateClassTest, TextColourDependsOnTheStyle) {
  id attributes = make(cls::UIStatusBarNewUIForegroundStyleAttributes);
  EXPECT_EQ(componentsOf(send<id>(attributes, sel::textColorForStyle_, NSInteger{0})),
            (Rgba{0, 0, 0, 1}));
  EXPECT_EQ(componentsOf(send<id>(attributes, sel::textColorForStyle_, NSInteger{1})),
            (Rgba{1, 1, 1, 1}));
  EXPECT_EQ(componentsOf(send<id>(attributes, sel::textColorForStyle_, NSInteger{3})),
            (Rgba{0.5, 0.5, 0.5, 1}));
}

TEST_F(PrivateClassTest, StyleAttributesKeepTheirThreeArgumentsUntilDealloc) {
  id requestObject = retain(nsString("sel::request"));
  id background = retain(colour(0, 0, 0, 0));
  id foreground = retain(colour(1, 1, 1));
  unsigned long backgroundCount = retainCount(background);
  id attributes = send<id>(send<id>(cls::UIStatusBarNewUIStyleAttributes.get(), sel::alloc),
                           sel::initWithRequest_backgroundColor_foregroundColor_, requestObject,
                           background, foreground);
  EXPECT_EQ(send<id>(attributes, sel::request), requestObject);
  EXPECT_EQ(send<id>(attributes, sel::backgroundColor), background);
  EXPECT_EQ(send<id>(attributes, sel::foregroundColor), foreground);
  EXPECT_EQ(retainCount(background), backgroundCount + 1);
  release(attributes);
  EXPECT_EQ(retainCount(background), backgroundCount);
  for (id o : {requestObject, background, foreground}) release(o);
}

TEST_F(PrivateClassTest, BatteryItemNeedsItsAccessoryImageWhileCharging) {
  id item = make(cls::UIStatusBarBatteryItemView);
  EXPECT_EQ(send<BOOL>(item, sel::p_needsAccessoryImage), NO);
  send<void>(item, sel::setCharging_, static_cast<BOOL>(YES));
  EXPECT_EQ(send<BOOL>(item, sel::p_needsAccessoryImage), YES);
}

// A label's private colour is its text colour. (That setColor: sets the text colour, and the
// activity indicator's colour and count of sets, show in the tint tests and the report.)
TEST_F(PrivateClassTest, LabelsPrivateColourIsItsTextColour) {
  id text = make(cls::UILabel);
  id white = send<id>(cls::UIColor.get(), sel::whiteColor);
  send<void>(text, sel::setColor_, white);
  EXPECT_EQ(send<id>(text, sel::color), white);
}

}  // namespace
}  // namespace vm::uikit
