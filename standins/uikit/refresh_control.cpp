// The refresh control's content view brings its own setTintColor:, so a replacement
// installed on it leaves UIView's setter (and every other view) alone.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const AssignProperty<NSInteger> kTintColorChangeCount{"_tintColorChangeCount",
                                                      "tintColorChangeCount", nullptr};

void setTintColor(id self, SEL, id color) {
  sendSuper<void>(self, cls::p_UIRefreshControlModernContentView, sel::setTintColor_, color);
  ++kTintColorChangeCount.of(self);
}

}  // namespace

void registerRefreshControlContentView() {
  ReleaseClassBuilder(cls::p_UIRefreshControlModernContentView.name(), cls::UIView.name())
      .property<kTintColorChangeCount>()
      .method("setTintColor:", setTintColor)
      .build();
}

}  // namespace vm::uikit
