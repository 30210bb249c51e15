// A minimal UIImage: SpringBoard's views hand images around without drawing them here,
// so an image is its name and a size.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

constexpr CGSize kNamedImageSize{30, 30};

const IvarRef<id> kName{"_name"};

id imageNamed(id self, SEL, id name) {
  if (name == nil) return nil;
  id image = newInstance(reinterpret_cast<Class>(self));
  assignCopied(kName.of(image), name);
  return autoreleased(image);
}

id name(id self, SEL) {
  return kName.of(self);
}
CGSize size(id, SEL) {
  return kNamedImageSize;
}

void dealloc(id self, SEL) {
  releaseAndClear(kName.of(self));
  sendSuper<void>(self, cls::UIImage, sel::dealloc);
}

}  // namespace

void registerImageClass() {
  ReleaseClassBuilder(cls::UIImage.name(), cls::NSObject.name())
      .ivar<id>("_name")
      .classMethod("imageNamed:", imageNamed)
      .method("name", name)
      .method("size", size)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::uikit
