// UILabel and UIFont: the text properties a label carries. Text is copied, colours and
// fonts are retained, as UIKit declares them.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const IvarRef<id> kText{"_text"};
const IvarRef<id> kTextColor{"_textColor"};
const IvarRef<id> kFont{"_font"};
const IvarRef<NSInteger> kNumberOfLines{"_numberOfLines"};
const IvarRef<NSInteger> kTextAlignment{"_textAlignment"};

const IvarRef<id> kFontName{"_fontName"};
const IvarRef<CGFloat> kPointSize{"_pointSize"};

id labelInitWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::UILabel, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  kNumberOfLines.of(self) = 1;
  assignRetained(kTextColor.of(self), send<id>(cls::UIColor.get(), sel::blackColor));
  return self;
}

id text(id self, SEL) {
  return kText.of(self);
}
void setText(id self, SEL, id text) {
  assignCopied(kText.of(self), text);
}
id textColor(id self, SEL) {
  return kTextColor.of(self);
}
void setTextColor(id self, SEL, id color) {
  assignRetained(kTextColor.of(self), color);
}
id font(id self, SEL) {
  return kFont.of(self);
}
void setFont(id self, SEL, id font) {
  assignRetained(kFont.of(self), font);
}
NSInteger numberOfLines(id self, SEL) {
  return kNumberOfLines.of(self);
}
void setNumberOfLines(id self, SEL, NSInteger lines) {
  kNumberOfLines.of(self) = lines;
}
NSInteger textAlignment(id self, SEL) {
  return kTextAlignment.of(self);
}
void setTextAlignment(id self, SEL, NSInteger alignment) {
  kTextAlignment.of(self) = alignment;
}

// The private colour setter is the text colour under another name.
void setColor(id self, SEL, id color) {
  send<void>(self, sel::setTextColor_, color);
}
id color(id self, SEL) {
  return send<id>(self, sel::textColor);
}

void labelDealloc(id self, SEL) {
  releaseAndClear(kText.of(self));
  releaseAndClear(kTextColor.of(self));
  releaseAndClear(kFont.of(self));
  sendSuper<void>(self, cls::UILabel, sel::dealloc);
}

id fontWithNameSize(id self, SEL, id name, CGFloat size) {
  id font = newInstance(reinterpret_cast<Class>(self));
  if (font == nil) return nil;
  assignCopied(kFontName.of(font), name);
  kPointSize.of(font) = size;
  return autoreleased(font);
}

id fontName(id self, SEL) {
  return kFontName.of(self);
}
CGFloat pointSize(id self, SEL) {
  return kPointSize.of(self);
}

void fontDealloc(id self, SEL) {
  releaseAndClear(kFontName.of(self));
  sendSuper<void>(self, cls::UIFont, sel::dealloc);
}

}  // namespace

void registerTextClasses() {
  ReleaseClassBuilder(cls::UIFont.name(), cls::NSObject.name())
      .ivar<id>("_fontName")
      .ivar<CGFloat>("_pointSize")
      .classMethod("fontWithName:size:", fontWithNameSize)
      .method("fontName", fontName)
      .method("pointSize", pointSize)
      .method("dealloc", fontDealloc)
      .build();

  ReleaseClassBuilder(cls::UILabel.name(), cls::UIView.name())
      .ivar<id>("_text")
      .ivar<id>("_textColor")
      .ivar<id>("_font")
      .ivar<NSInteger>("_numberOfLines")
      .ivar<NSInteger>("_textAlignment")
      .method("initWithFrame:", labelInitWithFrame)
      .method("text", text)
      .method("setText:", setText)
      .method("textColor", textColor)
      .method("setTextColor:", setTextColor)
      .method("font", font)
      .method("setFont:", setFont)
      .method("numberOfLines", numberOfLines)
      .method("setNumberOfLines:", setNumberOfLines)
      .method("textAlignment", textAlignment)
      .method("setTextAlignment:", setTextAlignment)
      .method("setColor:", setColor)
      .method("color", color)
      .method("dealloc", labelDealloc)
      .build();
}

}  // namespace vm::uikit
