// The home screen's icon pieces: badge and image views that restyle on every new frame,
// the label parameters that carry an icon's title, and the page control of an icon list.
#include <atomic>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

// Badge and image views each declare a counter of this name, at offsets of their own.
const AssignProperty<NSInteger> kFrameChanges{"_frameChangeCount", "frameChangeCount", nullptr};

void badgeSetFrame(id self, SEL, CGRect frame) {
  sendSuper<void>(self, cls::SBIconBadgeView, sel::setFrame_, frame);
  ++kFrameChanges.of(self);
}

void imageSetFrame(id self, SEL, CGRect frame) {
  sendSuper<void>(self, cls::SBIconImageView, sel::setFrame_, frame);
  ++kFrameChanges.of(self);
}

// Label parameters
const CopyProperty kText{"_text", "text", "setText:"};

id initWithText(id self, SEL, id text) {
  self = sendSuper<id>(self, cls::SBIconLabelImageParameters, sel::init);
  if (self == nil) return nil;
  uikit::assignCopied(kText.of(self), text);
  return self;
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
      .property<kFrameChanges>()
      .method("setFrame:", badgeSetFrame)
      .build();

  ReleaseClassBuilder(cls::SBIconImageView.name(), cls::UIView.name())
      .property<kFrameChanges>()
      .method("setFrame:", imageSetFrame)
      .build();

  ReleaseClassBuilder(cls::SBIconLabelImageParameters.name(), cls::NSObject.name())
      .property<kText>()
      .method("initWithText:", initWithText)
      .build();

  ReleaseClassBuilder(cls::SBIconListPageControl.name(), cls::UIView.name())
      .ivar<BOOL>("_countedAsLive")
      .method("initWithFrame:", pageControlInitWithFrame)
      .method("dealloc", pageControlDealloc)
      .classMethod("liveInstanceCount", liveInstanceCount)
      .build();
}

}  // namespace vm::springboard
