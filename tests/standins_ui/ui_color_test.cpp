// UIColor as the colour functions use it: components in, components out, HSB conversion,
// the named colours, alpha replacement, equality, and the Core Graphics colour. (That the
// factories answer autoreleased colours, and that a retained CGColor outlives its UIColor,
// is checked through the layer in view_tree_test.)
#include <gtest/gtest.h>

#include <ostream>

#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {
namespace {

id rgba(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, r, g, b, a);
}

class UIColorTest : public ::testing::Test {
 protected:
  AutoreleasePool pool_;
};

void expectNear(const Rgba& actual, const Rgba& expected) {
  EXPECT_NEAR(actual.red, expected.red, 1e-12);
  EXPECT_NEAR(actual.green, expected.green, 1e-12);
  EXPECT_NEAR(actual.blue, expected.blue, 1e-12);
  EXPECT_NEAR(actual.alpha, expected.alpha, 1e-12);
}

TEST_F(UIColorTest, ClampsComponentsToTheUnitRange) {
  EXPECT_EQ(componentsOf(rgba(-0.5, 1.5, 0.5, 2.0)), (Rgba{0, 1, 0.5, 1}));
}

TEST_F(UIColorTest, GetRedGreenBlueAlphaAnswersYesAndSkipsNullOutParameters) {
  CGFloat green = -1;
  BOOL answered = send<BOOL>(rgba(0.1, 0.2, 0.3, 0.4), sel::getRed_green_blue_alpha_,
                             static_cast<CGFloat*>(nullptr), &green, static_cast<CGFloat*>(nullptr),
                             static_cast<CGFloat*>(nullptr));
  EXPECT_EQ(answered, YES);
  EXPECT_EQ(green, 0.2);
}

// Red, clear, black and white read back where they are used: the home-item restyles, the
// header cell's labels and the status-bar text.
TEST_F(UIColorTest, GreenIsPureGreen) {
  SelRef green{"greenColor"};
  EXPECT_EQ(componentsOf(send<id>(cls::UIColor.get(), green)), (Rgba{0, 1, 0, 1}));
}

struct HsbCase {
  CGFloat hue, saturation, brightness, alpha;
  Rgba expected;
};

void PrintTo(const HsbCase& c, std::ostream* out) {
  *out << "hsba(" << c.hue << ", " << c.saturation << ", " << c.brightness << ", " << c.alpha
       << ")";
}

class HsbConversionTest : public UIColorTest, public ::testing::WithParamInterface<HsbCase> {};

TEST_P(HsbConversionTest, GivesTheStandardRgb) {
  const HsbCase& c = GetParam();
  id color = send<id>(cls::UIColor.get(), sel::colorWithHue_saturation_brightness_alpha_, c.hue,
                      c.saturation, c.brightness, c.alpha);
  expectNear(componentsOf(color), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Hexcone, HsbConversionTest,
    ::testing::Values(HsbCase{0.0, 1, 1, 1, {1, 0, 0, 1}},      // red
                      HsbCase{1.0 / 6, 1, 1, 1, {1, 1, 0, 1}},  // yellow
                      HsbCase{2.0 / 6, 1, 1, 1, {0, 1, 0, 1}},  // green
                      HsbCase{3.0 / 6, 1, 1, 1, {0, 1, 1, 1}},  // cyan
                      HsbCase{4.0 / 6, 1, 1, 1, {0, 0, 1, 1}},  // blue
                      HsbCase{5.0 / 6, 1, 1, 1, {1, 0, 1, 1}},  // magenta
                      HsbCase{1.0, 1, 1, 1, {1, 0, 0, 1}},      // wraps to red
                      HsbCase{0.25, 0.5, 0.8, 0.3, {0.6, 0.8, 0.4, 0.3}},
                      HsbCase{0.7, 0, 0.45, 1, {0.45, 0.45, 0.45, 1}},  // grey: hue ignored
                      HsbCase{0.9, 1, 0, 1, {0, 0, 0, 1}}));            // black

TEST_F(UIColorTest, AlphaComponentReplacesTheAlphaAndLeavesTheOriginalAlone) {
  id original = rgba(0.3, 0.6, 0.9, 0.5);
  id faded = send<id>(original, sel::colorWithAlphaComponent_, CGFloat{0.25});
  EXPECT_NE(faded, original);
  EXPECT_EQ(componentsOf(faded), (Rgba{0.3, 0.6, 0.9, 0.25}));
  EXPECT_EQ(componentsOf(original), (Rgba{0.3, 0.6, 0.9, 0.5}));
}

TEST_F(UIColorTest, EqualComponentsMakeEqualColoursWithEqualHashes) {
  id a = rgba(0.1, 0.2, 0.3, 1);
  id b = rgba(0.1, 0.2, 0.3, 1);
  id white = send<id>(cls::UIColor.get(), sel::colorWithWhite_alpha_, CGFloat{1}, CGFloat{1});
  EXPECT_EQ(send<BOOL>(a, sel::isEqual_, b), YES);
  EXPECT_EQ(send<NSUInteger>(a, sel::hash), send<NSUInteger>(b, sel::hash));
  EXPECT_EQ(send<BOOL>(a, sel::isEqual_, rgba(0.1, 0.2, 0.3, 0.9)), NO);
  EXPECT_EQ(send<BOOL>(white, sel::isEqual_, send<id>(cls::UIColor.get(), sel::whiteColor)), YES);
  EXPECT_EQ(send<BOOL>(a, sel::isEqual_, nsString("0.1 0.2 0.3 1")), NO);
  EXPECT_EQ(send<BOOL>(a, sel::isEqual_, static_cast<id>(nil)), NO);
}

TEST_F(UIColorTest, DescribesItselfInDeviceRgb) {
  EXPECT_EQ(stdString(send<id>(rgba(1, 0.5, 0, 1), sel::description)),
            "UIDeviceRGBColorSpace 1 0.5 0 1");
}

TEST_F(UIColorTest, CGColorCarriesTheComponentsAndIsTheSameForTheColoursLife) {
  id color = rgba(0.25, 0.5, 0.75, 0.6);
  CGColorRef cg = send<CGColorRef>(color, sel::CGColor);
  ASSERT_NE(cg, nullptr);
  EXPECT_EQ(send<CGColorRef>(color, sel::CGColor), cg);
  EXPECT_EQ(componentsOf(cg), (Rgba{0.25, 0.5, 0.75, 0.6}));
  EXPECT_EQ(CGColorGetNumberOfComponents(cg), 4u);
  EXPECT_EQ(CGColorGetAlpha(cg), 0.6);
  EXPECT_TRUE(CGColorEqualToColor(cg, send<CGColorRef>(rgba(0.25, 0.5, 0.75, 0.6), sel::CGColor)));
  EXPECT_FALSE(CGColorEqualToColor(cg, send<CGColorRef>(rgba(0.25, 0.5, 0.75, 1), sel::CGColor)));
}

}  // namespace
}  // namespace vm::uikit
