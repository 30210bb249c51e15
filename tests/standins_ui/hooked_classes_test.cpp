// The hooked classes as the platform has them: what each class derives from, and when
// SpringBoard's classes appear. (Where each hooked method lives and the widths its scalars
// take are checked against its replacement where the hook probes are installed.)
#include <gtest/gtest.h>
#include <objc/runtime.h>

#include <ostream>

#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace {

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
