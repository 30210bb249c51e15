// Every method the tweak replaces exists on its platform class as that class's own
// method (not inherited), with the C signature the replacement is written for.
#include <gtest/gtest.h>
#include <objc/runtime.h>

#include <cstdlib>
#include <ostream>
#include <set>
#include <string>

#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace {

constexpr const char* kRect = "{CGRect={CGPoint=dd}{CGSize=dd}}";

struct HookedMethod {
  const char* className;
  bool classMethod;
  const char* selector;
  std::string encoding;  // BOOL is "C" (unsigned char) under the GNU runtime
};

const HookedMethod kHooked[] = {
    {"SBIconBadgeView", false, "setFrame:", std::string("v@:") + kRect},
    {"SBBannerContextView", false, "_layoutGrabber", "v@:"},
    {"SBBannerContextView", true, "_defaultGrabberColor", "@@:"},
    {"SBFadeAnimationSettings", false, "backlightFadeDuration", "d@:"},
    {"SBCameraGrabberView", false, "_cameraGrabberImage", "@@:"},
    {"SBSlideUpAppGrabberView", false, "setGrabberImage:", "v@:@"},
    {"SBLockScreenSlideUpToAppController", false, "prepareForSlideUpAnimation", "v@:"},
    {"SBIconImageView", false, "setFrame:", std::string("v@:") + kRect},
    {"_UIGlintyStringView", false, "setBlurHidden:forRequester:", "v@:C@"},
    {"_UIGlintyStringView", false, "_chevronVerticalOffset", "d@:"},
    {"_UIGlintyStringView", false, "setLabel:", "v@:@"},
    {"_UIGlintyStringView", false, "layoutSubviews", "v@:"},
    {"_UIGlintyStringView", false, "setChevronStyle:", "v@:l"},
    {"_UIGlintyStringView", false, "updateText", "v@:"},
    {"UILabel", false, "setColor:", "v@:@"},
    {"SBLockScreenDateViewController", false, "setDateHidden:", "v@:C"},
    {"SBLockScreenDateViewController", false, "isDateHidden", "C@:"},
    {"SBLockScreenDateViewController", false, "disablesUpdates", "C@:"},
    {"SBLockScreenDateViewController", false, "loadView", "v@:"},
    {"SBLockScreenDateViewController", false, "_updateView", "v@:"},
    {"SBLockScreenDateViewController", false, "_backlightChanged", "v@:"},
    {"SBLockScreenDateViewController", false, "_updateFormat", "v@:"},
    {"SBLockScreenDateViewController", false, "_addObservers", "v@:"},
    {"SBLockScreenBatteryChargingViewController", false, "batteryVisible", "C@:"},
    {"SBLockScreenBatteryChargingViewController", false, "loadView", "v@:"},
    {"SBLockScreenBatteryChargingViewController", false, "chargingView", "@@:"},
    {"SBLockScreenBatteryChargingView", false, "setBatteryVisible:", "v@:C"},
    {"SBLockScreenBatteryChargingView", false, "batteryVisible", "C@:"},
    {"_UILegibilitySettingsProvider", false, "hasContrast", "C@:"},
    {"_UILegibilitySettingsProvider", false, "accumulatedBrightness", "d@:"},
    {"_UILegibilitySettingsProvider", false, "accumulatedLuminance", "d@:"},
    {"SBLockScreenPreviewView", false, "_setupCameraView", "v@:"},
    {"SBLockScreenPreviewView", false, "_setupDateView", "v@:"},
    {"SBLockScreenPreviewView", false, "_setupSlideToUnlockView", "v@:"},
    {"SBStatusBarStateAggregator", false, "_updateActivityItem", "v@:"},
    {"SBStatusBarStateAggregator", false, "_updateAirplaneMode", "v@:"},
    {"SBStatusBarStateAggregator", false, "_noteAirplaneModeChanged", "v@:"},
    {"SBStatusBarStateAggregator", false, "_updateTimeItems", "v@:"},
    {"SBLockScreenView", false, "_updateSlideToUnlockBackground", "v@:"},
    {"SBLockScreenView", false, "_updateBottomGrabberBackground", "v@:"},
    {"SBLockScreenView", false, "_updateTopGrabberBackground", "v@:"},
    {"SBLockScreenView", false, "_updateVibrantViewBackgrounds", "v@:"},
    {"SBLockScreenView", false, "setTopGrabberHidden:forRequester:", "v@:C@"},
    {"SBLockScreenView", false, "setBottomGrabberHidden:forRequester:", "v@:C@"},
    {"SBIconLabelImageParameters", false, "text", "@@:"},
    {"SBIconListPageControl", false, "initWithFrame:", std::string("@@:") + kRect},
    {"UIStatusBarBatteryItemView", false, "_needsAccessoryImage", "C@:"},
    {"SBLockScreenViewController", false, "startLockScreenFadeInAnimationForSource:", "v@:l"},
    {"SBLockScreenViewController", false, "_effectiveVisibleStatusBarAlpha", "d@:"},
    {"SBLockScreenViewController", false, "showsSpringBoardStatusBar", "C@:"},
    {"SBLockScreenViewController", false, "_shouldShowDate", "C@:"},
    {"SBLockScreenViewController", false, "statusBarStyle", "l@:"},
    {"SBChevronView", false, "setColor:", "v@:@"},
    {"_UILegibilityView", false, "usesSecondaryColor", "C@:"},
    {"_UILegibilityLabel", false, "usesSecondaryColor", "C@:"},
    {"_UILegibilitySettings", false, "shadowAlpha", "d@:"},
    {"_UILegibilitySettings", false, "setPrimaryColor:", "v@:@"},
    {"_UILegibilitySettings", false, "setSecondaryColor:", "v@:@"},
    {"UIActivityIndicatorView", false, "setColor:", "v@:@"},
    {"UIStatusBarNewUIForegroundStyleAttributes", false,
     "_batteryColorForCapacity:lowCapacity:charging:", "@@:ddC"},
    {"UIStatusBarNewUIForegroundStyleAttributes", false, "textColorForStyle:", "@@:l"},
    {"_UIRefreshControlModernContentView", false, "setTintColor:", "v@:@"},
    {"UIStatusBarNewUIStyleAttributes", false,
     "initWithRequest:backgroundColor:foregroundColor:", "@@:@@@"},
};

void PrintTo(const HookedMethod& row, std::ostream* out) {
  *out << (row.classMethod ? "+[" : "-[") << row.className << " " << row.selector << "]";
}

// The method that `cls` itself defines for `selector`, or null if it only inherits one.
Method ownMethod(Class cls, const char* selector) {
  SEL wanted = sel_registerName(selector);
  unsigned int count = 0;
  Method* methods = class_copyMethodList(cls, &count);
  Method found = nullptr;
  for (unsigned int i = 0; i < count && found == nullptr; ++i)
    if (sel_isEqual(method_getName(methods[i]), wanted)) found = methods[i];
  std::free(methods);
  return found;
}

class HookedMethodTest : public ::testing::TestWithParam<HookedMethod> {
 protected:
  void SetUp() override { VMRegisterSpringBoardClasses(); }
};

TEST_P(HookedMethodTest, IsTheClassesOwnMethodWithTheReplacementsSignature) {
  const HookedMethod& row = GetParam();
  Class cls = objc_getClass(row.className);
  ASSERT_NE(cls, nullptr) << row.className;
  Class target = row.classMethod ? object_getClass(vm::asId(cls)) : cls;
  Method method = ownMethod(target, row.selector);
  ASSERT_NE(method, nullptr) << (row.classMethod ? "+[" : "-[") << row.className << " "
                             << row.selector << "] is not the class's own";
  EXPECT_EQ(std::string(method_getTypeEncoding(method)), row.encoding);
}

INSTANTIATE_TEST_SUITE_P(HookTable, HookedMethodTest, ::testing::ValuesIn(kHooked));

TEST(HookedClassesTest, TwentyEightClassesCarrySixtyThreeMethods) {
  std::set<std::string> classes;
  std::set<std::pair<std::string, std::string>> methods;
  for (const HookedMethod& row : kHooked) {
    classes.insert(row.className);
    methods.emplace(row.className, row.selector);
  }
  EXPECT_EQ(classes.size(), 28u);
  EXPECT_EQ(methods.size(), 63u);
}

TEST(HookedClassesTest, DefaultGrabberColorIsAClassMethodOnly) {
  VMRegisterSpringBoardClasses();
  Class banner = objc_getClass("SBBannerContextView");
  ASSERT_NE(banner, nullptr);
  EXPECT_EQ(ownMethod(banner, "_defaultGrabberColor"), nullptr);
  EXPECT_EQ(class_getInstanceMethod(banner, sel_registerName("_defaultGrabberColor")), nullptr);
  EXPECT_NE(ownMethod(object_getClass(vm::asId(banner)), "_defaultGrabberColor"), nullptr);
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
