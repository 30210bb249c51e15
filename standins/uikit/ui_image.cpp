// A minimal UIImage: SpringBoard's views hand images around without drawing them here,
// so an image is its name and a size.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

constexpr CGSize kNamedImageSize{30, 30};

const CopyProperty kName{"_name", "name", nullptr};

id imageNamed(id self, SEL, id name) {
  if (name == nil) return nil;
  id image = newInstance(reinterpret_cast<Class>(self));
  assignCopied(kName.of(image), name);
  return autoreleased(image);
}

CGSize size(id, SEL) {
  return kNamedImageSize;
}

}  // namespace

void registerImageClass() {
  ReleaseClassBuilder(cls::UIImage.name(), cls::NSObject.name())
      .property<kName>()
      .classMethod("imageNamed:", imageNamed)
      .method("size", size)
      .build();
}

}  // namespace vm::uikit
