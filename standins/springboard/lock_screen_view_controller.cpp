// The lock screen's view controller (status bar, date, fade-in) and the fade settings
// that time the backlight.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGFloat kDefaultBacklightFade = 0.25;
constexpr NSInteger kOpaqueStyle = 1;
constexpr NSInteger kTranslucentStyle = 2;

// Fade settings
const IvarRef<CGFloat> kBacklightFade{"_backlightFadeDuration"};

id settingsInit(id self, SEL) {
  self = sendSuper<id>(self, cls::SBFadeAnimationSettings, sel::init);
  if (self != nil) kBacklightFade.of(self) = kDefaultBacklightFade;
  return self;
}
CGFloat backlightFadeDuration(id self, SEL) {
  return kBacklightFade.of(self);
}
void setBacklightFadeDuration(id self, SEL, CGFloat seconds) {
  kBacklightFade.of(self) = seconds;
}

// Controller
const IvarRef<NSInteger> kFadeInCount{"_fadeInAnimationCount"};
const IvarRef<NSInteger> kLastFadeInSource{"_lastFadeInSource"};
const IvarRef<CGFloat> kStatusBarAlpha{"_statusBarAlpha"};
const IvarRef<BOOL> kShowsStatusBar{"_showsStatusBar"};
const IvarRef<BOOL> kShowsDate{"_showsDate"};

id controllerInit(id self, SEL) {
  self = sendSuper<id>(self, cls::SBLockScreenViewController, sel::init);
  if (self == nil) return nil;
  kLastFadeInSource.of(self) = -1;
  kStatusBarAlpha.of(self) = 1.0;
  kShowsStatusBar.of(self) = YES;
  kShowsDate.of(self) = YES;
  return self;
}

void startFadeIn(id self, SEL, int source) {
  kLastFadeInSource.of(self) = source;
  ++kFadeInCount.of(self);
}
NSInteger fadeInAnimationCount(id self, SEL) {
  return kFadeInCount.of(self);
}
NSInteger lastFadeInSource(id self, SEL) {
  return kLastFadeInSource.of(self);
}

BOOL showsSpringBoardStatusBar(id self, SEL) {
  return kShowsStatusBar.of(self);
}
void setShowsStatusBar(id self, SEL, BOOL shows) {
  kShowsStatusBar.of(self) = shows ? YES : NO;
}

CGFloat effectiveVisibleStatusBarAlpha(id self, SEL) {
  return kShowsStatusBar.of(self) ? kStatusBarAlpha.of(self) : 0.0;
}
CGFloat statusBarAlpha(id self, SEL) {
  return kStatusBarAlpha.of(self);
}
void setStatusBarAlpha(id self, SEL, CGFloat alpha) {
  kStatusBarAlpha.of(self) = alpha;
}

BOOL shouldShowDate(id self, SEL) {
  return kShowsDate.of(self);
}
void setShowsDate(id self, SEL, BOOL shows) {
  kShowsDate.of(self) = shows ? YES : NO;
}

NSInteger statusBarStyle(id self, SEL) {
  return kStatusBarAlpha.of(self) < 1.0 ? kTranslucentStyle : kOpaqueStyle;
}

}  // namespace

void registerLockScreenViewController() {
  ReleaseClassBuilder(cls::SBFadeAnimationSettings.name(), cls::NSObject.name())
      .ivar<CGFloat>("_backlightFadeDuration")
      .method("init", settingsInit)
      .method("backlightFadeDuration", backlightFadeDuration)
      .method("setBacklightFadeDuration:", setBacklightFadeDuration)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenViewController.name(), cls::NSObject.name())
      .ivar<NSInteger>("_fadeInAnimationCount")
      .ivar<NSInteger>("_lastFadeInSource")
      .ivar<CGFloat>("_statusBarAlpha")
      .ivar<BOOL>("_showsStatusBar")
      .ivar<BOOL>("_showsDate")
      .method("init", controllerInit)
      .method("startLockScreenFadeInAnimationForSource:", startFadeIn)
      .method("fadeInAnimationCount", fadeInAnimationCount)
      .method("lastFadeInSource", lastFadeInSource)
      .method("showsSpringBoardStatusBar", showsSpringBoardStatusBar)
      .method("setShowsStatusBar:", setShowsStatusBar)
      .method("_effectiveVisibleStatusBarAlpha", effectiveVisibleStatusBarAlpha)
      .method("statusBarAlpha", statusBarAlpha)
      .method("setStatusBarAlpha:", setStatusBarAlpha)
      .method("_shouldShowDate", shouldShowDate)
      .method("setShowsDate:", setShowsDate)
      .method("statusBarStyle", statusBarStyle)
      .build();
}

}  // namespace vm::springboard
