// UIActivityIndicatorView's spinner colour. It brings its own setColor: (not UILabel's),
// so a replacement of one never reaches the other.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const RetainProperty kColor{"_spinnerColor", "color", nullptr};
const AssignProperty<NSInteger> kColorChangeCount{"_colorChangeCount", "colorChangeCount", nullptr};

void setColor(id self, SEL, id color) {
  assignRetained(kColor.of(self), color);
  ++kColorChangeCount.of(self);
}

}  // namespace

void registerActivityIndicator() {
  ReleaseClassBuilder(cls::UIActivityIndicatorView.name(), cls::UIView.name())
      .property<kColor>()
      .property<kColorChangeCount>()
      .method("setColor:", setColor)
      .build();
}

}  // namespace vm::uikit
