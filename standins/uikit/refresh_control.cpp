// The refresh control's content view brings its own setTintColor:, so a replacement
// installed on it leaves UIView's setter (and every other view) alone.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const IvarRef<NSInteger> kTintColorChangeCount{"_tintColorChangeCount"};

void setTintColor(id self, SEL, id color) {
  sendSuper<void>(self, cls::p_UIRefreshControlModernContentView, sel::setTintColor_, color);
  ++kTintColorChangeCount.of(self);
}

NSInteger tintColorChangeCount(id self, SEL) {
  return kTintColorChangeCount.of(self);
}

}  // namespace

void registerRefreshControlContentView() {
  ReleaseClassBuilder(cls::p_UIRefreshControlModernContentView.name(), cls::UIView.name())
      .ivar<NSInteger>("_tintColorChangeCount")
      .method("setTintColor:", setTintColor)
      .method("tintColorChangeCount", tintColorChangeCount)
      .build();
}

}  // namespace vm::uikit
