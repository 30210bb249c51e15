// Velmo2TopCell: the pane's heading, the product name in large thin type over a credit
// line, on a transparent row. The labels are the cell's for its whole life.
#include <cmath>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "bridge/selectors.h"
#include "prefs/pane.h"

namespace velmotint::prefs {
namespace {

constexpr const char* kFontName = "HelveticaNeue-UltraLight";
constexpr NSInteger kOneLine = 1;
constexpr NSInteger kCentred = 1;
constexpr NSInteger kDefaultCellStyle = 0;
constexpr CGFloat kLaidOutLabelHeight = 60.0;  // taller than the row: the subtitle overhangs it
constexpr CGFloat kRowHeight = 50.0;

const vm::IvarRef<id> kHeading{"heading"};
const vm::IvarRef<id> kSubtitle{"subtitle"};

id clearColour() {
  return vm::send<id>(vm::cls::UIColor.get(), vm::sel::clearColor);
}

// A new label (+1), set up in the order the platform expects to be told.
id newLabel(CGRect frame, CGFloat pointSize, const char* text) {
  id label = vm::send<id>(vm::send<id>(vm::cls::UILabel.get(), vm::sel::alloc),
                          vm::sel::initWithFrame_, frame);
  vm::send<void>(label, vm::sel::setNumberOfLines_, kOneLine);
  vm::send<void>(label, vm::sel::setFont_,
                 vm::send<id>(vm::cls::UIFont.get(), vm::sel::fontWithName_size_,
                              vm::nsString(kFontName), pointSize));
  vm::send<void>(label, vm::sel::setText_, vm::nsString(text));
  vm::send<void>(label, vm::sel::setBackgroundColor_, clearColour());
  vm::send<void>(label, vm::sel::setTextColor_,
                 vm::send<id>(vm::cls::UIColor.get(), vm::sel::blackColor));
  vm::send<void>(label, vm::sel::setTextAlignment_, kCentred);
  return label;
}

// The screen's width in whole points, dropping any fraction.
CGFloat wholeScreenWidth() {
  id screen = vm::send<id>(vm::cls::UIScreen.get(), vm::sel::mainScreen);
  return std::trunc(vm::send<CGRect>(screen, vm::sel::bounds).size.width);
}

id initWithSpecifier(id self, SEL, id specifier) {
  self =
      vm::sendSuper<id>(self, HeaderCell.get(), vm::sel::initWithStyle_reuseIdentifier_specifier_,
                        kDefaultCellStyle, vm::nsString("headerCell"), specifier);
  if (self == nil) return nil;
  vm::send<void>(self, vm::sel::setBackgroundColor_, clearColour());
  CGFloat width = wholeScreenWidth();
  kHeading.of(self) = newLabel(CGRectMake(0, 0, width, 20), 48.0, "Velmotint");
  kSubtitle.of(self) = newLabel(CGRectMake(0, 18, width, 20), 16.0, "By Tanvork");
  id content = vm::send<id>(self, vm::sel::contentView);
  vm::send<void>(content, vm::sel::addSubview_, kHeading.of(self));
  vm::send<void>(content, vm::sel::addSubview_, kSubtitle.of(self));
  return self;
}

void layoutSubviews(id self, SEL) {
  vm::sendSuper<void>(self, HeaderCell.get(), vm::sel::layoutSubviews);
  CGFloat width = vm::send<CGRect>(self, vm::sel::frame).size.width;
  vm::send<void>(kHeading.of(self), vm::sel::setFrame_,
                 CGRectMake(0, 0, width, kLaidOutLabelHeight));
  vm::send<void>(kSubtitle.of(self), vm::sel::setFrame_,
                 CGRectMake(0, 35.0, width, kLaidOutLabelHeight));
}

CGFloat preferredHeight(id, SEL, CGFloat, id) {
  return kRowHeight;
}

void dealloc(id self, SEL) {
  vm::release(kHeading.of(self));
  vm::release(kSubtitle.of(self));
  vm::sendSuper<void>(self, HeaderCell.get(), vm::sel::dealloc);
}

}  // namespace

void registerHeaderCell() {
  vm::ClassBuilder(HeaderCell.name(), vm::cls::PSTableCell.name())
      .ivar<id>("heading")
      .ivar<id>("subtitle")
      .method("initWithSpecifier:", initWithSpecifier)
      .method("layoutSubviews", layoutSubviews)
      .method("preferredHeightForWidth:inTableView:", preferredHeight)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace velmotint::prefs
