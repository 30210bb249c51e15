// UIView: frame, layer, an ordered list of subviews that the view owns, and the
// appearance properties a tweak sets. The superview link is not retained (the superview
// owns the child), as in UIKit.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

// Declared in the order a view lets its objects go: subviews, layer, colours.
const AssignProperty<CGRect> kFrame{"_frame", "frame", "setFrame:"};
const RetainProperty kSubviews{"_subviewList", nullptr, nullptr};
const RetainProperty kLayer{"_layer", nullptr, nullptr};
const AssignProperty<id> kSuperview{"_superview", "superview", nullptr};
const AssignProperty<CGFloat> kAlpha{"_alpha", "alpha", "setAlpha:"};
const RetainProperty kBackgroundColor{"_backgroundColor", "backgroundColor", "setBackgroundColor:"};
const RetainProperty kTintColor{"_tintColor", nullptr, "setTintColor:"};
const AssignProperty<BOOL> kHidden{"_hidden", "isHidden", nullptr};
const AssignProperty<BOOL> kNeedsLayout{"_needsLayout", nullptr, nullptr};

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

// An unset tint colour is inherited from the superview.
id tintColor(id self, SEL) {
  id own = kTintColor.of(self);
  if (own != nil) return own;
  return send<id>(kSuperview.of(self), sel::tintColor);
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

// Children outlive a parent only as orphans.
void orphanSubviews(id self) {
  id list = kSubviews.of(self);
  NSUInteger count = send<NSUInteger>(list, sel::count);
  for (NSUInteger i = 0; i < count; ++i)
    kSuperview.of(send<id>(list, sel::objectAtIndex_, i)) = nil;
}

}  // namespace

void registerViewClass() {
  ReleaseClassBuilder(cls::UIView.name(), cls::NSObject.name())
      .property<kFrame>()
      .property<kSubviews>()
      .property<kLayer>()
      .property<kSuperview>()
      .property<kAlpha>()
      .property<kBackgroundColor>()
      .property<kTintColor>()
      .property<kHidden>()
      .property<kNeedsLayout>()
      .method("initWithFrame:", initWithFrame)
      .method("init", init)
      .method("bounds", bounds)
      .method("layer", layer)
      .method("subviews", subviews)
      .method("addSubview:", addSubview)
      .method("removeFromSuperview", removeFromSuperview)
      .method("tintColor", tintColor)
      .method("setHidden:", setHidden)
      .method("layoutSubviews", layoutSubviews)
      .method("setNeedsLayout", setNeedsLayout)
      .method("layoutIfNeeded", layoutIfNeeded)
      .onDealloc(orphanSubviews)
      .build();
}

}  // namespace vm::uikit
