// CALayer's appearance properties. Colours are Core Graphics colours, retained while the
// layer holds them, as Core Animation does.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const AssignProperty<CGFloat> kCornerRadius{"_cornerRadius", "cornerRadius", "setCornerRadius:"};
const AssignProperty<CGFloat> kBorderWidth{"_borderWidth", "borderWidth", "setBorderWidth:"};
const IvarRef<CGColorRef> kBackgroundColor{"_backgroundColor"};
const IvarRef<CGColorRef> kBorderColor{"_borderColor"};

void assignColor(CGColorRef& slot, CGColorRef value) {
  CGColorRef old = slot;
  slot = CGColorRetain(value);
  CGColorRelease(old);
}

CGColorRef backgroundColor(id self, SEL) {
  return kBackgroundColor.of(self);
}
void setBackgroundColor(id self, SEL, CGColorRef color) {
  assignColor(kBackgroundColor.of(self), color);
}
CGColorRef borderColor(id self, SEL) {
  return kBorderColor.of(self);
}
void setBorderColor(id self, SEL, CGColorRef color) {
  assignColor(kBorderColor.of(self), color);
}

void dealloc(id self, SEL) {
  assignColor(kBackgroundColor.of(self), nullptr);
  assignColor(kBorderColor.of(self), nullptr);
  sendSuper<void>(self, cls::CALayer, sel::dealloc);
}

}  // namespace

void registerLayerClass() {
  ReleaseClassBuilder(cls::CALayer.name(), cls::NSObject.name())
      .property<kCornerRadius>()
      .property<kBorderWidth>()
      .ivar<CGColorRef>("_backgroundColor")
      .ivar<CGColorRef>("_borderColor")
      .method("backgroundColor", backgroundColor)
      .method("setBackgroundColor:", setBackgroundColor)
      .method("borderColor", borderColor)
      .method("setBorderColor:", setBorderColor)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::uikit
