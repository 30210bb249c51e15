// The lock screen's view controller (status bar, date, fade-in) and the fade settings
// that time the backlight.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGFloat kDefaultBacklightFade = 0.25;
constexpr NSInteger kOpaqueStyle = 1;
constexpr NSInteger kTranslucentStyle = 2;

// Fade settings
const AssignProperty<CGFloat> kBacklightFade{"_backlightFadeDuration", "backlightFadeDuration",
                                             "setBacklightFadeDuration:"};

id settingsInit(id self, SEL) {
  self = sendSuper<id>(self, cls::SBFadeAnimationSettings, sel::init);
  if (self != nil) kBacklightFade.of(self) = kDefaultBacklightFade;
  return self;
}

// Controller
const AssignProperty<NSInteger> kFadeInCount{"_fadeInAnimationCount", "fadeInAnimationCount",
                                             nullptr};
const AssignProperty<NSInteger> kLastFadeInSource{"_lastFadeInSource", "lastFadeInSource", nullptr};
const AssignProperty<CGFloat> kStatusBarAlpha{"_statusBarAlpha", "statusBarAlpha",
                                              "setStatusBarAlpha:"};
const AssignProperty<BOOL> kShowsStatusBar{"_showsStatusBar", "showsSpringBoardStatusBar", nullptr};
const AssignProperty<BOOL> kShowsDate{"_showsDate", "_shouldShowDate", nullptr};

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
void setShowsStatusBar(id self, SEL, BOOL shows) {
  kShowsStatusBar.of(self) = shows ? YES : NO;
}

CGFloat effectiveVisibleStatusBarAlpha(id self, SEL) {
  return kShowsStatusBar.of(self) ? kStatusBarAlpha.of(self) : 0.0;
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
      .property<kBacklightFade>()
      .method("init", settingsInit)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenViewController.name(), cls::NSObject.name())
      .property<kFadeInCount>()
      .property<kLastFadeInSource>()
      .property<kStatusBarAlpha>()
      .property<kShowsStatusBar>()
      .property<kShowsDate>()
      .method("init", controllerInit)
      .method("startLockScreenFadeInAnimationForSource:", startFadeIn)
      .method("setShowsStatusBar:", setShowsStatusBar)
      .method("_effectiveVisibleStatusBarAlpha", effectiveVisibleStatusBarAlpha)
      .method("setShowsDate:", setShowsDate)
      .method("statusBarStyle", statusBarStyle)
      .build();
}

}  // namespace vm::springboard
