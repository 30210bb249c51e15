// What each release has, from public class-dumps of SpringBoard and UIKit for 6.0 to 9.3.
// Only what some release lacks is listed: every other class and method the stand-ins make
// exists on all of them.
#include <cstring>

#include "standins/releases/ios_release.h"

namespace vm::releases {
namespace {

enum : unsigned {
  k6 = 1u << 0,
  k7_0 = 1u << 1,
  k7_1 = 1u << 2,
  k8_0 = 1u << 3,
  k8_3 = 1u << 4,
  k9 = 1u << 5,
  kFrom8 = k8_0 | k8_3 | k9,
  kFrom7 = k7_0 | k7_1 | kFrom8,
  kAll = k6 | kFrom7,
};

struct Fact {
  const char* className;
  const char* selector;  // nullptr: the class itself
  bool classMethod;
  unsigned releases;  // which releases have it
};

const Fact kFacts[] = {
    // The banner's grabber arrived with 8.0.
    {"SBBannerContextView", "_layoutGrabber", false, kFrom8},
    {"SBBannerContextView", "_defaultGrabberColor", true, kFrom8},
    // 8.x shows its camera grabber with an SBSlideUpAppGrabberView.
    {"SBCameraGrabberView", nullptr, false, k7_0 | k7_1},
    {"SBSlideUpAppGrabberView", nullptr, false, kFrom8},
    {"SBLockScreenSlideUpToAppController", nullptr, false, kFrom8},
    // 7.0 draws the slide-to-unlock text with SpringBoardFoundation's own glinty view.
    {"_UIGlintyStringView", nullptr, false, k7_1 | kFrom8},
    // From 8.3 the status bar's text and battery come from UIStatusBarForegroundStyleAttributes.
    {"UIStatusBarNewUIForegroundStyleAttributes", nullptr, false, k7_0 | k7_1 | k8_0},
    // iOS 6: the lock screen is SBAwayController/SBAwayView, SBStatusBarDataManager feeds
    // the status bar, badges are images, and UIKit has neither legibility nor style-attribute
    // classes. Its battery item has no accessory-image question.
    {"SBIconBadgeView", nullptr, false, kFrom7},
    {"SBBannerContextView", nullptr, false, kFrom7},
    {"SBFadeAnimationSettings", nullptr, false, kFrom7},
    {"SBLockScreenDateViewController", nullptr, false, kFrom7},
    {"SBLockScreenBatteryChargingViewController", nullptr, false, kFrom7},
    {"SBLockScreenBatteryChargingView", nullptr, false, kFrom7},
    {"SBLockScreenPreviewView", nullptr, false, kFrom7},
    {"SBLockScreenView", nullptr, false, kFrom7},
    {"SBLockScreenViewController", nullptr, false, kFrom7},
    {"SBChevronView", nullptr, false, kFrom7},
    {"SBStatusBarStateAggregator", nullptr, false, kFrom7},
    {"_UILegibilitySettingsProvider", nullptr, false, kFrom7},
    {"_UILegibilitySettings", nullptr, false, kFrom7},
    {"_UILegibilityView", nullptr, false, kFrom7},
    {"_UILegibilityLabel", nullptr, false, kFrom7},
    {"UIStatusBarNewUIStyleAttributes", nullptr, false, kFrom7},
    {"_UIRefreshControlModernContentView", nullptr, false, kFrom7},
    {"UIStatusBarBatteryItemView", "_needsAccessoryImage", false, kFrom7},
};

unsigned bitOf(Release release) {
  switch (release) {
    case Release::iOS6:
      return k6;
    case Release::iOS7_0:
      return k7_0;
    case Release::iOS7_1:
      return k7_1;
    case Release::iOS8_0:
      return k8_0;
    case Release::iOS8_3:
      return k8_3;
    case Release::iOS9:
      return k9;
    case Release::Complete:
      break;
  }
  return kAll;
}

bool named(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// Whether the facts allow the class (selector nullptr) or the method on `release`.
bool allowed(Release release, const char* className, const char* selector, bool classMethod) {
  for (const Fact& fact : kFacts) {
    if (!named(fact.className, className)) continue;
    bool sameEntry = selector == nullptr
                         ? fact.selector == nullptr
                         : named(fact.selector, selector) && fact.classMethod == classMethod;
    if (sameEntry && (fact.releases & bitOf(release)) == 0) return false;
  }
  return true;
}

}  // namespace

bool hasClass(Release release, const char* className) {
  return allowed(release, className, nullptr, false);
}

bool hasMethod(Release release, const char* className, bool classMethod, const char* selector) {
  return hasClass(release, className) && allowed(release, className, selector, classMethod);
}

}  // namespace vm::releases
