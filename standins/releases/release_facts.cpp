// What each release has, from public class-dumps of SpringBoard and UIKit for 7.0, 7.1,
// 8.0 and 8.1 (8.2 and 8.4 agree where dumped). Only what some release lacks is listed:
// every other class and method the stand-ins make exists on all of them.
#include <cstring>

#include "standins/releases/ios_release.h"

namespace vm::releases {
namespace {

enum : unsigned { k7_0 = 1u << 0, k7_1 = 1u << 1, k8 = 1u << 2 };

struct Fact {
  const char* className;
  const char* selector;  // nullptr: the class itself
  bool classMethod;
  unsigned releases;  // which releases have it
};

const Fact kFacts[] = {
    // The banner's grabber arrived with 8.0.
    {"SBBannerContextView", "_layoutGrabber", false, k8},
    {"SBBannerContextView", "_defaultGrabberColor", true, k8},
    // 8.x shows its camera grabber with an SBSlideUpAppGrabberView.
    {"SBCameraGrabberView", nullptr, false, k7_0 | k7_1},
    {"SBSlideUpAppGrabberView", nullptr, false, k8},
    {"SBLockScreenSlideUpToAppController", nullptr, false, k8},
    // 7.0 draws the slide-to-unlock text with SpringBoardFoundation's own glinty view.
    {"_UIGlintyStringView", nullptr, false, k7_1 | k8},
};

unsigned bitOf(Release release) {
  switch (release) {
    case Release::iOS7_0:
      return k7_0;
    case Release::iOS7_1:
      return k7_1;
    case Release::iOS8:
      return k8;
    case Release::Complete:
      break;
  }
  return k7_0 | k7_1 | k8;
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
