// The home screen's icon pieces: badge and image views that restyle on every new frame,
// the label parameters that carry an icon's title, and the page control of an icon list.
#include <atomic>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

// Badge and image views each declare their own counter, so each has its own accessor.
const IvarRef<NSInteger> kBadgeFrameChanges{"_frameChangeCount"};
const IvarRef<NSInteger> kImageFrameChanges{"_frameChangeCount"};

void badgeSetFrame(id self, SEL, CGRect frame) {
  sendSuper<void>(self, cls::SBIconBadgeView, sel::setFrame_, frame);
  ++kBadgeFrameChanges.of(self);
}
NSInteger badgeFrameChangeCount(id self, SEL) {
  return kBadgeFrameChanges.of(self);
}

void imageSetFrame(id self, SEL, CGRect frame) {
  sendSuper<void>(self, cls::SBIconImageView, sel::setFrame_, frame);
  ++kImageFrameChanges.of(self);
}
NSInteger imageFrameChangeCount(id self, SEL) {
  return kImageFrameChanges.of(self);
}

// Label parameters
const IvarRef<id> kText{"_text"};

id initWithText(id self, SEL, id text) {
  self = sendSuper<id>(self, cls::SBIconLabelImageParameters, sel::init);
  if (self == nil) return nil;
  uikit::assignCopied(kText.of(self), text);
  return self;
}
id text(id self, SEL) {
  return kText.of(self);
}
void setText(id self, SEL, id text) {
  uikit::assignCopied(kText.of(self), text);
}
void parametersDealloc(id self, SEL) {
  uikit::releaseAndClear(kText.of(self));
  sendSuper<void>(self, cls::SBIconLabelImageParameters, sel::dealloc);
}

// Page control: a process-wide count of live instances shows whether one that was
// created has really gone.
std::atomic<NSInteger> gLivePageControls{0};
const IvarRef<BOOL> kCounted{"_countedAsLive"};

id pageControlInitWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::SBIconListPageControl, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  if (!kCounted.of(self)) {
    kCounted.of(self) = YES;
    ++gLivePageControls;
  }
  return self;
}
void pageControlDealloc(id self, SEL) {
  if (kCounted.of(self)) --gLivePageControls;
  sendSuper<void>(self, cls::SBIconListPageControl, sel::dealloc);
}
NSInteger liveInstanceCount(id, SEL) {
  return gLivePageControls.load();
}

}  // namespace

void registerIconClasses() {
  ReleaseClassBuilder(cls::SBIconBadgeView.name(), cls::UIView.name())
      .ivar<NSInteger>("_frameChangeCount")
      .method("setFrame:", badgeSetFrame)
      .method("frameChangeCount", badgeFrameChangeCount)
      .build();

  ReleaseClassBuilder(cls::SBIconImageView.name(), cls::UIView.name())
      .ivar<NSInteger>("_frameChangeCount")
      .method("setFrame:", imageSetFrame)
      .method("frameChangeCount", imageFrameChangeCount)
      .build();

  ReleaseClassBuilder(cls::SBIconLabelImageParameters.name(), cls::NSObject.name())
      .ivar<id>("_text")
      .method("initWithText:", initWithText)
      .method("text", text)
      .method("setText:", setText)
      .method("dealloc", parametersDealloc)
      .build();

  ReleaseClassBuilder(cls::SBIconListPageControl.name(), cls::UIView.name())
      .ivar<BOOL>("_countedAsLive")
      .method("initWithFrame:", pageControlInitWithFrame)
      .method("dealloc", pageControlDealloc)
      .classMethod("liveInstanceCount", liveInstanceCount)
      .build();
}

}  // namespace vm::springboard
