// The lock screen's views: SBLockScreenView with its slide-to-unlock area, grabbers and
// vibrant view, and the preview view whose parts are set up one by one.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGRect kTopGrabberFrame{{142, 4}, {36, 5}};
constexpr CGRect kBottomGrabberFrame{{142, 550}, {36, 5}};
constexpr CGRect kSlideToUnlockFrame{{0, 460}, {320, 80}};
constexpr CGRect kVibrantFrame{{0, 0}, {320, 568}};
constexpr CGRect kCameraFrame{{0, 0}, {320, 568}};
constexpr CGRect kDateFrame{{0, 30}, {320, 60}};

// Lock-screen view
const IvarRef<id> kSlideToUnlockView{"_slideToUnlockView"};
const IvarRef<id> kTopGrabberView{"_topGrabberView"};
const IvarRef<id> kBottomGrabberView{"_bottomGrabberView"};
const IvarRef<id> kVibrantView{"_vibrantView"};
const IvarRef<id> kTopRequesters{"_topGrabberHiders"};
const IvarRef<id> kBottomRequesters{"_bottomGrabberHiders"};

id lockInitWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::SBLockScreenView, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  kVibrantView.of(self) = addNewSubview(self, cls::UIView, kVibrantFrame);
  kSlideToUnlockView.of(self) = addNewSubview(self, cls::UIView, kSlideToUnlockFrame);
  kTopGrabberView.of(self) = addNewSubview(self, cls::UIView, kTopGrabberFrame);
  kBottomGrabberView.of(self) = addNewSubview(self, cls::UIView, kBottomGrabberFrame);
  kTopRequesters.of(self) = newRequesterSet();
  kBottomRequesters.of(self) = newRequesterSet();
  return self;
}

// Each update paints one area with the platform's translucent backing.
void updateSlideToUnlockBackground(id self, SEL) {
  send<void>(kSlideToUnlockView.of(self), sel::setBackgroundColor_,
             uikit::rgbaColor(0, 0, 0, 0.25));
}
void updateBottomGrabberBackground(id self, SEL) {
  send<void>(kBottomGrabberView.of(self), sel::setBackgroundColor_, uikit::rgbaColor(1, 1, 1, 0.4));
}
void updateTopGrabberBackground(id self, SEL) {
  send<void>(kTopGrabberView.of(self), sel::setBackgroundColor_, uikit::rgbaColor(1, 1, 1, 0.4));
}
void updateVibrantViewBackgrounds(id self, SEL) {
  send<void>(kVibrantView.of(self), sel::setBackgroundColor_, uikit::rgbaColor(1, 1, 1, 0.1));
}

// A grabber is hidden while at least one requester wants it hidden.
void setGrabberHidden(id requesters, id grabber, BOOL hidden, id requester) {
  setHiddenForRequester(requesters, hidden, requester);
  send<void>(grabber, sel::setHidden_, anyRequester(requesters));
}

void setTopGrabberHidden(id self, SEL, BOOL hidden, id requester) {
  setGrabberHidden(kTopRequesters.of(self), kTopGrabberView.of(self), hidden, requester);
}
void setBottomGrabberHidden(id self, SEL, BOOL hidden, id requester) {
  setGrabberHidden(kBottomRequesters.of(self), kBottomGrabberView.of(self), hidden, requester);
}

BOOL isTopGrabberHidden(id self, SEL) {
  return anyRequester(kTopRequesters.of(self));
}
BOOL isBottomGrabberHidden(id self, SEL) {
  return anyRequester(kBottomRequesters.of(self));
}
BOOL isTopGrabberHiddenForRequester(id self, SEL, id requester) {
  return isHiddenForRequester(kTopRequesters.of(self), requester);
}
BOOL isBottomGrabberHiddenForRequester(id self, SEL, id requester) {
  return isHiddenForRequester(kBottomRequesters.of(self), requester);
}

id slideToUnlockView(id self, SEL) {
  return kSlideToUnlockView.of(self);
}
id topGrabberView(id self, SEL) {
  return kTopGrabberView.of(self);
}
id bottomGrabberView(id self, SEL) {
  return kBottomGrabberView.of(self);
}
id vibrantView(id self, SEL) {
  return kVibrantView.of(self);
}

void lockDealloc(id self, SEL) {
  for (const IvarRef<id>* slot : {&kSlideToUnlockView, &kTopGrabberView, &kBottomGrabberView,
                                  &kVibrantView, &kTopRequesters, &kBottomRequesters})
    uikit::releaseAndClear(slot->of(self));
  sendSuper<void>(self, cls::SBLockScreenView, sel::dealloc);
}

// Preview view: each part is made once, on its first set-up call.
const IvarRef<id> kCameraView{"_cameraView"};
const IvarRef<id> kDateView{"_dateView"};
const IvarRef<id> kPreviewSlideView{"_slideToUnlockView"};
const IvarRef<NSInteger> kSetupCount{"_setupCount"};

void setUpPart(id self, const IvarRef<id>& slot, Class viewClass, CGRect frame) {
  ++kSetupCount.of(self);
  if (slot.of(self) == nil) slot.of(self) = addNewSubview(self, viewClass, frame);
}

void setupCameraView(id self, SEL) {
  setUpPart(self, kCameraView, cls::UIView, kCameraFrame);
}
void setupDateView(id self, SEL) {
  setUpPart(self, kDateView, cls::UILabel, kDateFrame);
}
// 7.0 has no _UIGlintyStringView: its slide-to-unlock text is SpringBoardFoundation's own
// view, which nothing here replaces, so a plain view stands for it.
void setupSlideToUnlockView(id self, SEL) {
  Class glinty = cls::p_UIGlintyStringView.get();
  setUpPart(self, kPreviewSlideView, glinty != nullptr ? glinty : cls::UIView.get(),
            kSlideToUnlockFrame);
}

id cameraView(id self, SEL) {
  return kCameraView.of(self);
}
id dateView(id self, SEL) {
  return kDateView.of(self);
}
id previewSlideToUnlockView(id self, SEL) {
  return kPreviewSlideView.of(self);
}
NSInteger setupCount(id self, SEL) {
  return kSetupCount.of(self);
}

void previewDealloc(id self, SEL) {
  uikit::releaseAndClear(kCameraView.of(self));
  uikit::releaseAndClear(kDateView.of(self));
  uikit::releaseAndClear(kPreviewSlideView.of(self));
  sendSuper<void>(self, cls::SBLockScreenPreviewView, sel::dealloc);
}

}  // namespace

void registerLockScreenViews() {
  ReleaseClassBuilder(cls::SBLockScreenView.name(), cls::UIView.name())
      .ivar<id>("_slideToUnlockView")
      .ivar<id>("_topGrabberView")
      .ivar<id>("_bottomGrabberView")
      .ivar<id>("_vibrantView")
      .ivar<id>("_topGrabberHiders")
      .ivar<id>("_bottomGrabberHiders")
      .method("initWithFrame:", lockInitWithFrame)
      .method("_updateSlideToUnlockBackground", updateSlideToUnlockBackground)
      .method("_updateBottomGrabberBackground", updateBottomGrabberBackground)
      .method("_updateTopGrabberBackground", updateTopGrabberBackground)
      .method("_updateVibrantViewBackgrounds", updateVibrantViewBackgrounds)
      .method("setTopGrabberHidden:forRequester:", setTopGrabberHidden)
      .method("setBottomGrabberHidden:forRequester:", setBottomGrabberHidden)
      .method("isTopGrabberHidden", isTopGrabberHidden)
      .method("isBottomGrabberHidden", isBottomGrabberHidden)
      .method("isTopGrabberHiddenForRequester:", isTopGrabberHiddenForRequester)
      .method("isBottomGrabberHiddenForRequester:", isBottomGrabberHiddenForRequester)
      .method("slideToUnlockView", slideToUnlockView)
      .method("topGrabberView", topGrabberView)
      .method("bottomGrabberView", bottomGrabberView)
      .method("vibrantView", vibrantView)
      .method("dealloc", lockDealloc)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenPreviewView.name(), cls::UIView.name())
      .ivar<id>("_cameraView")
      .ivar<id>("_dateView")
      .ivar<id>("_slideToUnlockView")
      .ivar<NSInteger>("_setupCount")
      .method("_setupCameraView", setupCameraView)
      .method("_setupDateView", setupDateView)
      .method("_setupSlideToUnlockView", setupSlideToUnlockView)
      .method("cameraView", cameraView)
      .method("dateView", dateView)
      .method("slideToUnlockView", previewSlideToUnlockView)
      .method("setupCount", setupCount)
      .method("dealloc", previewDealloc)
      .build();
}

}  // namespace vm::springboard
