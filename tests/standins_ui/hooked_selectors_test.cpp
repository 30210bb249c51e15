// The hooked classes as the platform has them: where a method lives, which widths its
// scalars take, what each class derives from, and when SpringBoard's classes appear.
#include <gtest/gtest.h>
#include <objc/runtime.h>

#include <ostream>
#include <string>

#include "bridge/type_encoding.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"
#include "tests/support/objc_helpers.h"

namespace {

using vm::test::ownMethod;
using vm::test::sel;

// The encoding `cls` gives its own `selector`; empty if it only inherits the method.
std::string ownEncoding(const char* className, const char* selector) {
  Method method = ownMethod(objc_getClass(className), sel(selector));
  return method == nullptr ? "" : method_getTypeEncoding(method);
}

// Two of the hooked methods take scalars whose width is not CGFloat's or NSInteger's rule
// alone: the fade-in source is an int at both widths, the battery capacities are CGFloat.
// (Every hooked method's signature is checked against its replacement's where the probes
// are installed.)
TEST(HookedClassesTest, FadeInSourceIsAnIntAndBatteryCapacitiesAreCGFloats) {
  VMRegisterSpringBoardClasses();
  using FadeIn = void (*)(id, SEL, int);
  using BatteryColour = id (*)(id, SEL, CGFloat, CGFloat, BOOL);
  EXPECT_EQ(ownEncoding("SBLockScreenViewController", "startLockScreenFadeInAnimationForSource:"),
            vm::methodTypeEncoding(FadeIn{}));
  EXPECT_EQ(ownEncoding("UIStatusBarNewUIForegroundStyleAttributes",
                        "_batteryColorForCapacity:lowCapacity:charging:"),
            vm::methodTypeEncoding(BatteryColour{}));
}

TEST(HookedClassesTest, DefaultGrabberColorIsAClassMethodOnly) {
  VMRegisterSpringBoardClasses();
  Class banner = vm::cls::SBBannerContextView;
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(ownMethod(banner, vm::sel::p_defaultGrabberColor), nullptr);
  EXPECT_EQ(class_getInstanceMethod(banner, vm::sel::p_defaultGrabberColor), nullptr);
  EXPECT_NE(ownMethod(object_getClass(vm::asId(banner)), vm::sel::p_defaultGrabberColor), nullptr);
}

struct Lineage {
  const char* className;
  const char* superclassName;
};

void PrintTo(const Lineage& row, std::ostream* out) {
  *out << row.className << " : " << row.superclassName;
}

class LineageTest : public ::testing::TestWithParam<Lineage> {};

TEST_P(LineageTest, DerivesFromThePlatformsSuperclass) {
  VMRegisterSpringBoardClasses();
  Class cls = objc_getClass(GetParam().className);
  ASSERT_NE(cls, nullptr);
  EXPECT_STREQ(class_getName(class_getSuperclass(cls)), GetParam().superclassName);
}

INSTANTIATE_TEST_SUITE_P(Classes, LineageTest,
                         ::testing::Values(Lineage{"UIView", "NSObject"},
                                           Lineage{"UILabel", "UIView"},
                                           Lineage{"UIActivityIndicatorView", "UIView"},
                                           Lineage{"_UIGlintyStringView", "UIView"},
                                           Lineage{"_UILegibilityView", "UIView"},
                                           Lineage{"_UILegibilityLabel", "UILabel"},
                                           Lineage{"_UIRefreshControlModernContentView", "UIView"},
                                           Lineage{"UIStatusBarBatteryItemView", "UIView"},
                                           Lineage{"_UILegibilitySettings", "NSObject"},
                                           Lineage{"SBIconBadgeView", "UIView"},
                                           Lineage{"SBChevronView", "UIView"},
                                           Lineage{"SBLockScreenView", "UIView"},
                                           Lineage{"SBLockScreenViewController", "NSObject"},
                                           Lineage{"SBStatusBarStateAggregator", "NSObject"},
                                           Lineage{"SBIconListPageControl", "UIView"}));

TEST(RegistrationTest, SpringBoardClassesWaitForTheHostsCall) {
  if (objc_getClass("SBLockScreenView") != nullptr)
    GTEST_SKIP() << "an earlier case in this process created the classes";
  // Loading the library creates UIKit's classes but not SpringBoard's.
  EXPECT_NE(objc_getClass("UIColor"), nullptr);
  EXPECT_NE(objc_getClass("_UIGlintyStringView"), nullptr);
  EXPECT_EQ(objc_getClass("SBLockScreenView"), nullptr);
  VMRegisterSpringBoardClasses();
  Class lockScreen = objc_getClass("SBLockScreenView");
  EXPECT_NE(lockScreen, nullptr);
  VMRegisterSpringBoardClasses();
  VMRegisterUIKitClasses();
  EXPECT_EQ(objc_getClass("SBLockScreenView"), lockScreen);
}

}  // namespace
