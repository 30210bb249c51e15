// UIView: frame, layer, an ordered list of subviews that the view owns, and the
// appearance properties a tweak sets. The superview link is not retained (the superview
// owns the child), as in UIKit.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const IvarRef<CGRect> kFrame{"_frame"};
const IvarRef<id> kLayer{"_layer"};
const IvarRef<id> kSubviews{"_subviewList"};
const IvarRef<id> kSuperview{"_superview"};
const IvarRef<CGFloat> kAlpha{"_alpha"};
const IvarRef<id> kBackgroundColor{"_backgroundColor"};
const IvarRef<id> kTintColor{"_tintColor"};
const IvarRef<BOOL> kHidden{"_hidden"};
const IvarRef<BOOL> kNeedsLayout{"_needsLayout"};

bool isView(id object) {
  return isKindOf(object, cls::UIView);
}

id initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::UIView, sel::init);
  if (self == nil) return nil;
  kFrame.of(self) = frame;
  kAlpha.of(self) = 1.0;
  kSubviews.of(self) = newInstance(::vm::cls::NSMutableArray);
  return self;
}

// UIKit's designated initialiser is initWithFrame:; plain init goes through it so a
// subclass's override runs either way.
id init(id self, SEL) {
  return send<id>(self, sel::initWithFrame_, CGRect{});
}

CGRect frame(id self, SEL) {
  return kFrame.of(self);
}
void setFrame(id self, SEL, CGRect frame) {
  kFrame.of(self) = frame;
}
CGRect bounds(id self, SEL) {
  return CGRect{{0, 0}, kFrame.of(self).size};
}

id layer(id self, SEL) {
  id& layer = kLayer.of(self);
  if (layer == nil) layer = newInstance(cls::CALayer);
  return layer;
}

id subviews(id self, SEL) {
  id list = kSubviews.of(self);
  if (list == nil) return send<id>(::vm::cls::NSArray.get(), sel::array);
  return send<id>(::vm::cls::NSArray.get(), sel::arrayWithArray_, list);
}

id superview(id self, SEL) {
  return kSuperview.of(self);
}

void removeFromSuperview(id self, SEL) {
  id parent = kSuperview.of(self);
  if (parent == nil) return;
  kSuperview.of(self) = nil;
  // The list holds the parent's reference to us; dropping it may free this view, so
  // nothing touches self afterwards.
  send<void>(kSubviews.of(parent), sel::removeObjectIdenticalTo_, self);
}

void addSubview(id self, SEL, id view) {
  if (view == nil || view == self || !isView(view)) return;
  // Keep the view alive while it moves from its old parent (possibly this one: re-adding
  // moves it to the front, the end of the list).
  retain(view);
  send<void>(view, sel::removeFromSuperview);
  id& list = kSubviews.of(self);
  if (list == nil) list = newInstance(::vm::cls::NSMutableArray);
  send<void>(list, sel::addObject_, view);
  kSuperview.of(view) = self;
  release(view);
}

CGFloat alpha(id self, SEL) {
  return kAlpha.of(self);
}
void setAlpha(id self, SEL, CGFloat alpha) {
  kAlpha.of(self) = alpha;
}
id backgroundColor(id self, SEL) {
  return kBackgroundColor.of(self);
}
void setBackgroundColor(id self, SEL, id color) {
  assignRetained(kBackgroundColor.of(self), color);
}

// An unset tint colour is inherited from the superview.
id tintColor(id self, SEL) {
  id own = kTintColor.of(self);
  if (own != nil) return own;
  return send<id>(kSuperview.of(self), sel::tintColor);
}
void setTintColor(id self, SEL, id color) {
  assignRetained(kTintColor.of(self), color);
}

BOOL isHidden(id self, SEL) {
  return kHidden.of(self);
}
void setHidden(id self, SEL, BOOL hidden) {
  kHidden.of(self) = hidden ? YES : NO;
}

void layoutSubviews(id, SEL) {}
void setNeedsLayout(id self, SEL) {
  kNeedsLayout.of(self) = YES;
}
void layoutIfNeeded(id self, SEL) {
  if (!kNeedsLayout.of(self)) return;
  kNeedsLayout.of(self) = NO;
  send<void>(self, sel::layoutSubviews);
}

void dealloc(id self, SEL) {
  id list = kSubviews.of(self);
  NSUInteger count = send<NSUInteger>(list, sel::count);
  for (NSUInteger i = 0; i < count; ++i)
    kSuperview.of(send<id>(list, sel::objectAtIndex_, i)) = nil;
  releaseAndClear(kSubviews.of(self));
  releaseAndClear(kLayer.of(self));
  releaseAndClear(kBackgroundColor.of(self));
  releaseAndClear(kTintColor.of(self));
  sendSuper<void>(self, cls::UIView, sel::dealloc);
}

}  // namespace

void registerViewClass() {
  ReleaseClassBuilder(cls::UIView.name(), cls::NSObject.name())
      .ivar<CGRect>("_frame")
      .ivar<id>("_layer")
      .ivar<id>("_subviewList")
      .ivar<id>("_superview")
      .ivar<CGFloat>("_alpha")
      .ivar<id>("_backgroundColor")
      .ivar<id>("_tintColor")
      .ivar<BOOL>("_hidden")
      .ivar<BOOL>("_needsLayout")
      .method("initWithFrame:", initWithFrame)
      .method("init", init)
      .method("frame", frame)
      .method("setFrame:", setFrame)
      .method("bounds", bounds)
      .method("layer", layer)
      .method("subviews", subviews)
      .method("superview", superview)
      .method("addSubview:", addSubview)
      .method("removeFromSuperview", removeFromSuperview)
      .method("alpha", alpha)
      .method("setAlpha:", setAlpha)
      .method("backgroundColor", backgroundColor)
      .method("setBackgroundColor:", setBackgroundColor)
      .method("tintColor", tintColor)
      .method("setTintColor:", setTintColor)
      .method("isHidden", isHidden)
      .method("setHidden:", setHidden)
      .method("layoutSubviews", layoutSubviews)
      .method("setNeedsLayout", setNeedsLayout)
      .method("layoutIfNeeded", layoutIfNeeded)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::uikit
