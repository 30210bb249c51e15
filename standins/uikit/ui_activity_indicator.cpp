// UIActivityIndicatorView's spinner colour. It brings its own setColor: (not UILabel's),
// so a replacement of one never reaches the other.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const IvarRef<id> kColor{"_spinnerColor"};
const IvarRef<NSInteger> kColorChangeCount{"_colorChangeCount"};

void setColor(id self, SEL, id color) {
  assignRetained(kColor.of(self), color);
  ++kColorChangeCount.of(self);
}
id color(id self, SEL) {
  return kColor.of(self);
}
NSInteger colorChangeCount(id self, SEL) {
  return kColorChangeCount.of(self);
}

void dealloc(id self, SEL) {
  releaseAndClear(kColor.of(self));
  sendSuper<void>(self, cls::UIActivityIndicatorView, sel::dealloc);
}

}  // namespace

void registerActivityIndicator() {
  ReleaseClassBuilder(cls::UIActivityIndicatorView.name(), cls::UIView.name())
      .ivar<id>("_spinnerColor")
      .ivar<NSInteger>("_colorChangeCount")
      .method("setColor:", setColor)
      .method("color", color)
      .method("colorChangeCount", colorChangeCount)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::uikit
