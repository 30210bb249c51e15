// UILabel and UIFont: the text properties a label carries. Text is copied, colours and
// fonts are retained, as UIKit declares them.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const CopyProperty kText{"_text", "text", "setText:"};
const RetainProperty kTextColor{"_textColor", "textColor", "setTextColor:"};
const RetainProperty kFont{"_font", "font", "setFont:"};
const AssignProperty<NSInteger> kNumberOfLines{"_numberOfLines", "numberOfLines",
                                               "setNumberOfLines:"};
const AssignProperty<NSInteger> kTextAlignment{"_textAlignment", "textAlignment",
                                               "setTextAlignment:"};

const CopyProperty kFontName{"_fontName", "fontName", nullptr};
const AssignProperty<CGFloat> kPointSize{"_pointSize", "pointSize", nullptr};

id labelInitWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::UILabel, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  kNumberOfLines.of(self) = 1;
  assignRetained(kTextColor.of(self), send<id>(cls::UIColor.get(), sel::blackColor));
  return self;
}

// The private colour setter is the text colour under another name.
void setColor(id self, SEL, id color) {
  send<void>(self, sel::setTextColor_, color);
}
id color(id self, SEL) {
  return send<id>(self, sel::textColor);
}

id fontWithNameSize(id self, SEL, id name, CGFloat size) {
  id font = newInstance(reinterpret_cast<Class>(self));
  if (font == nil) return nil;
  assignCopied(kFontName.of(font), name);
  kPointSize.of(font) = size;
  return autoreleased(font);
}

}  // namespace

void registerTextClasses() {
  ReleaseClassBuilder(cls::UIFont.name(), cls::NSObject.name())
      .property<kFontName>()
      .property<kPointSize>()
      .classMethod("fontWithName:size:", fontWithNameSize)
      .build();

  ReleaseClassBuilder(cls::UILabel.name(), cls::UIView.name())
      .property<kText>()
      .property<kTextColor>()
      .property<kFont>()
      .property<kNumberOfLines>()
      .property<kTextAlignment>()
      .method("initWithFrame:", labelInitWithFrame)
      .method("setColor:", setColor)
      .method("color", color)
      .build();
}

}  // namespace vm::uikit
