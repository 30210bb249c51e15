// _UIGlintyStringView, the shimmering "slide to unlock" text: an effect view holding the
// blur, glint and tint layers (as subviews 0, 1 and 2), a label, a chevron style, and a
// blur that stays hidden while any requester asks for it to be.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

constexpr NSUInteger kBlurLayer = 0;
constexpr NSUInteger kGlintLayer = 1;
constexpr NSUInteger kTintLayer = 2;
constexpr CGFloat kBaseChevronOffset = 2.0;

const RetainProperty kEffectView{"_effectView", "effectView", nullptr};
const RetainProperty kLabel{"_label", "label", "setLabel:"};
const AssignProperty<NSInteger> kChevronStyle{"_chevronStyle", "chevronStyle", "setChevronStyle:"};
const RetainProperty kBlurRequesters{"_blurHiddenRequesters", nullptr, nullptr};
const CopyProperty kDisplayedText{"_displayedText", "displayedText", nullptr};
const AssignProperty<NSInteger> kTextUpdateCount{"_textUpdateCount", "textUpdateCount", nullptr};
const AssignProperty<NSInteger> kLayoutCount{"_layoutCount", "layoutCount", nullptr};

id effectLayer(id self, NSUInteger index) {
  id layers = send<id>(kEffectView.of(self), sel::subviews);
  if (index >= send<NSUInteger>(layers, sel::count)) return nil;
  return send<id>(layers, sel::objectAtIndex_, index);
}

id initWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::p_UIGlintyStringView, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  CGRect bounds = send<CGRect>(self, sel::bounds);
  id effect = newView(cls::UIView, bounds);
  for (int i = 0; i < 3; ++i) {
    id layer = newView(cls::UIView, bounds);
    send<void>(effect, sel::addSubview_, layer);
    release(layer);
  }
  send<void>(self, sel::addSubview_, effect);
  kEffectView.of(self) = effect;
  kBlurRequesters.of(self) = newRequesterSet();
  return self;
}

void setBlurHiddenForRequester(id self, SEL, BOOL hidden, id requester) {
  id requesters = kBlurRequesters.of(self);
  setHiddenForRequester(requesters, hidden, requester);
  send<void>(effectLayer(self, kBlurLayer), sel::setHidden_, anyRequester(requesters));
}

BOOL isBlurHidden(id self, SEL) {
  return anyRequester(kBlurRequesters.of(self));
}

BOOL isBlurHiddenForRequester(id self, SEL, id requester) {
  return isHiddenForRequester(kBlurRequesters.of(self), requester);
}

// Each chevron style sits one point lower than the one before.
CGFloat chevronVerticalOffset(id self, SEL) {
  return kBaseChevronOffset + static_cast<CGFloat>(kChevronStyle.of(self));
}

void updateText(id self, SEL) {
  assignCopied(kDisplayedText.of(self), send<id>(kLabel.of(self), sel::text));
  ++kTextUpdateCount.of(self);
}

// The platform's layout shows blur and glint and tints the text white.
void layoutSubviews(id self, SEL) {
  send<void>(kEffectView.of(self), sel::setFrame_, send<CGRect>(self, sel::bounds));
  send<void>(effectLayer(self, kBlurLayer), sel::setAlpha_, CGFloat{1});
  send<void>(effectLayer(self, kGlintLayer), sel::setAlpha_, CGFloat{1});
  send<void>(effectLayer(self, kTintLayer), sel::setBackgroundColor_, rgbaColor(1, 1, 1, 0.6));
  ++kLayoutCount.of(self);
}

}  // namespace

void registerGlintyStringView() {
  ReleaseClassBuilder(cls::p_UIGlintyStringView.name(), cls::UIView.name())
      .property<kEffectView>()
      .property<kLabel>()
      .property<kChevronStyle>()
      .property<kBlurRequesters>()
      .property<kDisplayedText>()
      .property<kTextUpdateCount>()
      .property<kLayoutCount>()
      .method("initWithFrame:", initWithFrame)
      .method("setBlurHidden:forRequester:", setBlurHiddenForRequester)
      .method("isBlurHidden", isBlurHidden)
      .method("isBlurHiddenForRequester:", isBlurHiddenForRequester)
      .method("_chevronVerticalOffset", chevronVerticalOffset)
      .method("updateText", updateText)
      .method("layoutSubviews", layoutSubviews)
      .build();
}

}  // namespace vm::uikit
