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
// The lock-screen view and the preview view each declare their own slide-to-unlock view.
const RetainProperty kSlideToUnlockView{"_slideToUnlockView", "slideToUnlockView", nullptr};
const RetainProperty kTopGrabberView{"_topGrabberView", "topGrabberView", nullptr};
const RetainProperty kBottomGrabberView{"_bottomGrabberView", "bottomGrabberView", nullptr};
const RetainProperty kVibrantView{"_vibrantView", "vibrantView", nullptr};
const RetainProperty kTopRequesters{"_topGrabberHiders", nullptr, nullptr};
const RetainProperty kBottomRequesters{"_bottomGrabberHiders", nullptr, nullptr};

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

// Preview view: each part is made once, on its first set-up call.
const RetainProperty kCameraView{"_cameraView", "cameraView", nullptr};
const RetainProperty kDateView{"_dateView", "dateView", nullptr};
const AssignProperty<NSInteger> kSetupCount{"_setupCount", "setupCount", nullptr};

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
  setUpPart(self, kSlideToUnlockView, glinty != nullptr ? glinty : cls::UIView.get(),
            kSlideToUnlockFrame);
}

}  // namespace

void registerLockScreenViews() {
  ReleaseClassBuilder(cls::SBLockScreenView.name(), cls::UIView.name())
      .property<kSlideToUnlockView>()
      .property<kTopGrabberView>()
      .property<kBottomGrabberView>()
      .property<kVibrantView>()
      .property<kTopRequesters>()
      .property<kBottomRequesters>()
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
      .build();

  ReleaseClassBuilder(cls::SBLockScreenPreviewView.name(), cls::UIView.name())
      .property<kCameraView>()
      .property<kDateView>()
      .property<kSlideToUnlockView>()
      .property<kSetupCount>()
      .method("_setupCameraView", setupCameraView)
      .method("_setupDateView", setupDateView)
      .method("_setupSlideToUnlockView", setupSlideToUnlockView)
      .build();
}

}  // namespace vm::springboard
