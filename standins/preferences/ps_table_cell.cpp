// PSTableCell: a row's view. It holds a content view that fills it after layout, where
// subclasses put their own subviews, and the row it was made for.
#include "standins/preferences/preferences_internal.h"
#include "standins/uikit/uikit.h"

namespace vm::preferences {
namespace {

// A table row's size before the table places it.
constexpr CGRect kDefaultCellFrame{{0, 0}, {320, 44}};

const RetainProperty kContentView{"_contentView", "contentView", nullptr};
const RetainProperty kSpecifier{"_specifier", "specifier", nullptr};
const CopyProperty kReuseIdentifier{"_reuseIdentifier", "reuseIdentifier", nullptr};
const AssignProperty<NSInteger> kStyle{"_style", "style", nullptr};

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

void layoutSubviews(id self, SEL) {
  sendSuper<void>(self, cls::PSTableCell, sel::layoutSubviews);
  send<void>(kContentView.of(self), sel::setFrame_, send<CGRect>(self, sel::bounds));
}

}  // namespace

void registerTableCellClass() {
  ClassBuilder(cls::PSTableCell.name(), cls::UIView.name())
      .property<kContentView>()
      .property<kSpecifier>()
      .property<kReuseIdentifier>()
      .property<kStyle>()
      .method("initWithStyle:reuseIdentifier:specifier:", initWithStyle)
      .method("initWithFrame:", initWithFrame)
      .method("layoutSubviews", layoutSubviews)
      .build();
}

}  // namespace vm::preferences
