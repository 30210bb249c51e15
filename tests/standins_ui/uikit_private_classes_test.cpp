// UIKit's private classes answer from their state, so a test of a replacement can tell
// the platform's answer from the replacement's constant.
#include <gtest/gtest.h>

#include <ostream>

#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {
namespace {

const SelRef effectView{"effectView"};
const SelRef setBlurHidden_forRequester_{"setBlurHidden:forRequester:"};
const SelRef isBlurHidden{"isBlurHidden"};
const SelRef isBlurHiddenForRequester_{"isBlurHiddenForRequester:"};
const SelRef chevronVerticalOffset{"_chevronVerticalOffset"};
const SelRef setChevronStyle_{"setChevronStyle:"};
const SelRef setLabel_{"setLabel:"};
const SelRef label{"label"};
const SelRef updateText{"updateText"};
const SelRef displayedText{"displayedText"};
const SelRef addSampleColor_{"addSampleColor:"};
const SelRef hasContrast{"hasContrast"};
const SelRef accumulatedBrightness{"accumulatedBrightness"};
const SelRef accumulatedLuminance{"accumulatedLuminance"};
const SelRef setStyle_{"setStyle:"};
const SelRef shadowAlpha{"shadowAlpha"};
const SelRef setPrimaryColor_{"setPrimaryColor:"};
const SelRef primaryColor{"primaryColor"};
const SelRef setSecondaryColor_{"setSecondaryColor:"};
const SelRef setSettings_{"setSettings:"};
const SelRef usesSecondaryColor{"usesSecondaryColor"};
const SelRef batteryColor{"_batteryColorForCapacity:lowCapacity:charging:"};
const SelRef textColorForStyle_{"textColorForStyle:"};
const SelRef initWithRequest{"initWithRequest:backgroundColor:foregroundColor:"};
const SelRef request{"request"};
const SelRef foregroundColor{"foregroundColor"};
const SelRef setCharging_{"setCharging:"};
const SelRef needsAccessoryImage{"_needsAccessoryImage"};
const SelRef tintColorChangeCount{"tintColorChangeCount"};
const SelRef colorChangeCount{"colorChangeCount"};

id make(Class c) {
  return send<id>(send<id>(c, sel::alloc), sel::init);
}
id colour(CGFloat r, CGFloat g, CGFloat b, CGFloat a = 1) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, r, g, b, a);
}
id effectLayer(id glinty, NSUInteger index) {
  return send<id>(send<id>(send<id>(glinty, effectView), sel::subviews), sel::objectAtIndex_,
                  index);
}

class PrivateClassTest : public ::testing::Test {
 protected:
  AutoreleasePool pool_;
};

TEST_F(PrivateClassTest, GlintyViewHasAnEffectViewOfThreeLayers) {
  id glinty = make(cls::GlintyStringView);
  id effect = send<id>(glinty, effectView);
  ASSERT_NE(effect, nil);
  EXPECT_EQ(send<id>(effect, sel::superview), glinty);
  EXPECT_EQ(send<NSUInteger>(send<id>(effect, sel::subviews), sel::count), 3u);
  release(glinty);
}

TEST_F(PrivateClassTest, GlintyLayoutShowsBlurAndGlintAndTintsWhite) {
  id glinty = make(cls::GlintyStringView);
  send<void>(effectLayer(glinty, 0), sel::setAlpha_, CGFloat{0});
  send<void>(effectLayer(glinty, 1), sel::setAlpha_, CGFloat{0});
  send<void>(glinty, sel::layoutSubviews);
  EXPECT_EQ(send<CGFloat>(effectLayer(glinty, 0), sel::alpha), 1.0);
  EXPECT_EQ(send<CGFloat>(effectLayer(glinty, 1), sel::alpha), 1.0);
  EXPECT_EQ(componentsOf(send<id>(effectLayer(glinty, 2), sel::backgroundColor)),
            (Rgba{1, 1, 1, 0.6}));
  release(glinty);
}

TEST_F(PrivateClassTest, GlintyBlurStaysHiddenWhileAnyRequesterAsks) {
  id glinty = make(cls::GlintyStringView);
  id lock = nsString("lock"), camera = nsString("camera");
  send<void>(glinty, setBlurHidden_forRequester_, static_cast<BOOL>(YES), lock);
  send<void>(glinty, setBlurHidden_forRequester_, static_cast<BOOL>(YES), camera);
  send<void>(glinty, setBlurHidden_forRequester_, static_cast<BOOL>(NO), lock);
  EXPECT_EQ(send<BOOL>(glinty, isBlurHidden), YES);
  EXPECT_EQ(send<BOOL>(glinty, isBlurHiddenForRequester_, lock), NO);
  EXPECT_EQ(send<BOOL>(effectLayer(glinty, 0), sel::hidden), YES);
  send<void>(glinty, setBlurHidden_forRequester_, static_cast<BOOL>(NO), camera);
  EXPECT_EQ(send<BOOL>(glinty, isBlurHidden), NO);
  EXPECT_EQ(send<BOOL>(effectLayer(glinty, 0), sel::hidden), NO);
  // A nil requester is a requester too.
  send<void>(glinty, setBlurHidden_forRequester_, static_cast<BOOL>(YES), static_cast<id>(nil));
  EXPECT_EQ(send<BOOL>(glinty, isBlurHiddenForRequester_, static_cast<id>(nil)), YES);
  release(glinty);
}

TEST_F(PrivateClassTest, GlintyChevronOffsetFollowsTheStyle) {
  id glinty = make(cls::GlintyStringView);
  EXPECT_EQ(send<CGFloat>(glinty, chevronVerticalOffset), 2.0);
  send<void>(glinty, setChevronStyle_, NSInteger{2});
  EXPECT_EQ(send<CGFloat>(glinty, chevronVerticalOffset), 4.0);
  release(glinty);
}

TEST_F(PrivateClassTest, GlintyKeepsItsLabelWithoutAddingItAndCopiesTextOnUpdate) {
  id glinty = make(cls::GlintyStringView);
  id text = make(cls::UILabel);
  send<void>(text, sel::setText_, nsString("slide to unlock"));
  send<void>(glinty, setLabel_, text);
  EXPECT_EQ(send<id>(glinty, label), text);
  EXPECT_EQ(send<id>(text, sel::superview), nil);
  EXPECT_EQ(retainCount(text), 2u);
  EXPECT_EQ(send<id>(glinty, displayedText), nil);
  send<void>(glinty, updateText);
  EXPECT_EQ(stdString(send<id>(glinty, displayedText)), "slide to unlock");
  release(glinty);
  EXPECT_EQ(retainCount(text), 1u);
  release(text);
}

TEST_F(PrivateClassTest, LegibilityProviderAccumulatesWhatLiesBehind) {
  id provider = make(cls::LegibilitySettingsProvider);
  EXPECT_EQ(send<CGFloat>(provider, accumulatedBrightness), 0.0);
  EXPECT_EQ(send<BOOL>(provider, hasContrast), NO);
  send<void>(provider, addSampleColor_, colour(1, 1, 1));
  send<void>(provider, addSampleColor_, colour(0, 0, 1));
  // Brightness: mean of max component; luminance: mean of Rec. 709 weights.
  EXPECT_DOUBLE_EQ(send<CGFloat>(provider, accumulatedBrightness), 1.0);
  EXPECT_DOUBLE_EQ(send<CGFloat>(provider, accumulatedLuminance), (1.0 + 0.0722) / 2);
  EXPECT_EQ(send<BOOL>(provider, hasContrast), YES);
  release(provider);
}

TEST_F(PrivateClassTest, LegibilitySettingsRetainColoursAndShadeByStyle) {
  id settings = make(cls::LegibilitySettings);
  EXPECT_EQ(send<CGFloat>(settings, shadowAlpha), 0.35);
  send<void>(settings, setStyle_, NSInteger{1});
  EXPECT_EQ(send<CGFloat>(settings, shadowAlpha), 0.5);
  id primary = retain(colour(0.1, 0.2, 0.3));
  send<void>(settings, setPrimaryColor_, primary);
  EXPECT_EQ(send<id>(settings, primaryColor), primary);
  EXPECT_EQ(retainCount(primary), 3u);  // pool, test, settings
  release(settings);
  EXPECT_EQ(retainCount(primary), 2u);
  release(primary);
}

TEST_F(PrivateClassTest, LegibilityViewAndLabelUseTheSecondaryColourWhenTheyHaveOne) {
  for (Class c : {cls::LegibilityView.get(), cls::LegibilityLabel.get()}) {
    id view = make(c);
    id settings = make(cls::LegibilitySettings);
    EXPECT_EQ(send<BOOL>(view, usesSecondaryColor), NO) << class_getName(c);
    send<void>(view, setSettings_, settings);
    EXPECT_EQ(send<BOOL>(view, usesSecondaryColor), NO) << class_getName(c);
    send<void>(settings, setSecondaryColor_, colour(1, 1, 1));
    EXPECT_EQ(send<BOOL>(view, usesSecondaryColor), YES) << class_getName(c);
    release(settings);
    release(view);
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

class BatteryColourTest : public ::testing::TestWithParam<BatteryCase> {};

TEST_P(BatteryColourTest, DependsOnChargeAndLevel) {
  AutoreleasePool pool;
  id attributes = make(cls::StatusBarForegroundStyleAttributes);
  const BatteryCase& c = GetParam();
  EXPECT_EQ(componentsOf(send<id>(attributes, batteryColor, c.capacity, c.lowCapacity, c.charging)),
            c.expected);
  release(attributes);
}

INSTANTIATE_TEST_SUITE_P(States, BatteryColourTest,
                         ::testing::Values(BatteryCase{80, 20, YES, {0.3, 0.85, 0.39, 1}},
                                           BatteryCase{10, 20, YES, {0.3, 0.85, 0.39, 1}},
                                           BatteryCase{10, 20, NO, {1, 0, 0, 1}},
                                           BatteryCase{20, 20, NO, {1, 0, 0, 1}},
                                           BatteryCase{21, 20, NO, {1, 1, 1, 1}}));

TEST_F(PrivateClassTest, TextColourDependsOnTheStyle) {
  id attributes = make(cls::StatusBarForegroundStyleAttributes);
  EXPECT_EQ(componentsOf(send<id>(attributes, textColorForStyle_, NSInteger{0})),
            (Rgba{0, 0, 0, 1}));
  EXPECT_EQ(componentsOf(send<id>(attributes, textColorForStyle_, NSInteger{1})),
            (Rgba{1, 1, 1, 1}));
  EXPECT_EQ(componentsOf(send<id>(attributes, textColorForStyle_, NSInteger{3})),
            (Rgba{0.5, 0.5, 0.5, 1}));
  release(attributes);
}

TEST_F(PrivateClassTest, StyleAttributesKeepTheirThreeArgumentsUntilDealloc) {
  id requestObject = retain(nsString("request"));
  id background = retain(colour(0, 0, 0, 0));
  id foreground = retain(colour(1, 1, 1));
  unsigned long backgroundCount = retainCount(background);
  id attributes = send<id>(send<id>(cls::StatusBarStyleAttributes.get(), sel::alloc),
                           initWithRequest, requestObject, background, foreground);
  EXPECT_EQ(send<id>(attributes, request), requestObject);
  EXPECT_EQ(send<id>(attributes, sel::backgroundColor), background);
  EXPECT_EQ(send<id>(attributes, foregroundColor), foreground);
  EXPECT_EQ(retainCount(background), backgroundCount + 1);
  release(attributes);
  EXPECT_EQ(retainCount(background), backgroundCount);
  for (id o : {requestObject, background, foreground}) release(o);
}

TEST_F(PrivateClassTest, BatteryItemNeedsItsAccessoryImageWhileCharging) {
  id item = make(cls::StatusBarBatteryItemView);
  EXPECT_EQ(send<BOOL>(item, needsAccessoryImage), NO);
  send<void>(item, setCharging_, static_cast<BOOL>(YES));
  EXPECT_EQ(send<BOOL>(item, needsAccessoryImage), YES);
  release(item);
}

TEST_F(PrivateClassTest, RefreshControlTintGoesThroughUIViewsSetter) {
  id content = make(cls::RefreshControlContentView);
  id red = send<id>(cls::UIColor.get(), sel::redColor);
  send<void>(content, sel::setTintColor_, red);
  EXPECT_EQ(send<id>(content, sel::tintColor), red);
  EXPECT_EQ(send<NSInteger>(content, tintColorChangeCount), 1);
  release(content);
}

TEST_F(PrivateClassTest, ActivityIndicatorAndLabelKeepTheirOwnColours) {
  id spinner = make(cls::UIActivityIndicatorView);
  id text = make(cls::UILabel);
  id red = send<id>(cls::UIColor.get(), sel::redColor);
  id white = send<id>(cls::UIColor.get(), sel::whiteColor);
  send<void>(spinner, sel::setColor_, red);
  send<void>(text, sel::setColor_, white);
  EXPECT_EQ(send<id>(spinner, sel::color), red);
  EXPECT_EQ(send<NSInteger>(spinner, colorChangeCount), 1);
  // A label's private colour is its text colour.
  EXPECT_EQ(send<id>(text, sel::textColor), white);
  EXPECT_EQ(send<id>(text, sel::color), white);
  release(spinner);
  release(text);
}

}  // namespace
}  // namespace vm::uikit
