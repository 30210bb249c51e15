// PSTableCell: a row's view. It holds a content view that fills it after layout, where
// subclasses put their own subviews, and the row it was made for.
#include "standins/preferences/preferences_internal.h"
#include "standins/uikit/uikit.h"

namespace vm::preferences {
namespace {

// A table row's size before the table places it.
constexpr CGRect kDefaultCellFrame{{0, 0}, {320, 44}};

const IvarRef<id> kContentView{"_contentView"};
const IvarRef<id> kSpecifier{"_specifier"};
const IvarRef<id> kReuseIdentifier{"_reuseIdentifier"};
const IvarRef<NSInteger> kStyle{"_style"};

id initWithStyle(id self, SEL, NSInteger style, id reuseIdentifier, id specifier) {
  self = sendSuper<id>(self, cls::PSTableCell, sel::initWithFrame_, kDefaultCellFrame);
  if (self == nil) return nil;
  kStyle.of(self) = style;
  kReuseIdentifier.of(self) = send<id>(reuseIdentifier, sel::copy);
  kSpecifier.of(self) = retain(specifier);
  id content = send<id>(send<id>(cls::UIView.get(), sel::alloc), sel::initWithFrame_,
                        CGRect{{0, 0}, kDefaultCellFrame.size});
  kContentView.of(self) = content;
  send<void>(self, sel::addSubview_, content);
  return self;
}

// A cell made as a plain view is a default-style cell for no row.
id initWithFrame(id self, SEL, CGRect frame) {
  self = initWithStyle(self, nullptr, 0, nil, nil);
  send<void>(self, sel::setFrame_, frame);
  return self;
}

id contentView(id self, SEL) {
  return kContentView.of(self);
}
id specifier(id self, SEL) {
  return kSpecifier.of(self);
}
id reuseIdentifier(id self, SEL) {
  return kReuseIdentifier.of(self);
}
NSInteger style(id self, SEL) {
  return kStyle.of(self);
}

void layoutSubviews(id self, SEL) {
  sendSuper<void>(self, cls::PSTableCell, sel::layoutSubviews);
  send<void>(kContentView.of(self), sel::setFrame_, send<CGRect>(self, sel::bounds));
}

void dealloc(id self, SEL) {
  release(kContentView.of(self));
  release(kSpecifier.of(self));
  release(kReuseIdentifier.of(self));
  sendSuper<void>(self, cls::PSTableCell, sel::dealloc);
}

}  // namespace

void registerTableCellClass() {
  ClassBuilder(cls::PSTableCell.name(), cls::UIView.name())
      .ivar<id>("_contentView")
      .ivar<id>("_specifier")
      .ivar<id>("_reuseIdentifier")
      .ivar<NSInteger>("_style")
      .method("initWithStyle:reuseIdentifier:specifier:", initWithStyle)
      .method("initWithFrame:", initWithFrame)
      .method("contentView", contentView)
      .method("specifier", specifier)
      .method("reuseIdentifier", reuseIdentifier)
      .method("style", style)
      .method("layoutSubviews", layoutSubviews)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::preferences
