// UIKit's legibility machinery: a provider that accumulates the brightness of what lies
// behind the text, the settings (colours and shadow) derived from it, and the view and
// label that draw with those settings.
#include <algorithm>

#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

// Above this mean luminance the background is light enough that text needs contrast.
constexpr CGFloat kContrastLuminance = 0.5;

// Provider
const AssignProperty<CGFloat> kBrightnessSum{"_brightnessSum", nullptr, nullptr};
const AssignProperty<CGFloat> kLuminanceSum{"_luminanceSum", nullptr, nullptr};
const AssignProperty<NSInteger> kSampleCount{"_sampleCount", "sampleCount", nullptr};

void addSampleColor(id self, SEL, id color) {
  if (color == nil) return;
  Rgba c = componentsOf(color);
  kBrightnessSum.of(self) += std::max({c.red, c.green, c.blue});
  kLuminanceSum.of(self) += 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
  ++kSampleCount.of(self);
}

CGFloat mean(id self, const IvarRef<CGFloat>& sum) {
  NSInteger n = kSampleCount.of(self);
  return n == 0 ? 0 : sum.of(self) / static_cast<CGFloat>(n);
}

CGFloat accumulatedBrightness(id self, SEL) {
  return mean(self, kBrightnessSum);
}
CGFloat accumulatedLuminance(id self, SEL) {
  return mean(self, kLuminanceSum);
}
BOOL hasContrast(id self, SEL) {
  return mean(self, kLuminanceSum) > kContrastLuminance;
}

// Settings
const AssignProperty<NSInteger> kStyle{"_style", "style", "setStyle:"};
const RetainProperty kPrimaryColor{"_primaryColor", "primaryColor", "setPrimaryColor:"};
const RetainProperty kSecondaryColor{"_secondaryColor", "secondaryColor", "setSecondaryColor:"};

// Light text (style 1) casts a deeper shadow than dark text (style 2); the default style
// sits between them.
CGFloat shadowAlpha(id self, SEL) {
  switch (kStyle.of(self)) {
    case 1:
      return 0.5;
    case 2:
      return 0.15;
    default:
      return 0.35;
  }
}

// View and label: each class declares its own settings ivar, at offsets of their own.
const RetainProperty kSettings{"_legibilitySettings", "settings", "setSettings:"};

BOOL hasSecondaryColor(id settings) {
  return send<id>(settings, sel::secondaryColor) != nil ? YES : NO;
}

BOOL usesSecondaryColor(id self, SEL) {
  return hasSecondaryColor(kSettings.of(self));
}

}  // namespace

void registerLegibilityClasses() {
  ReleaseClassBuilder(cls::p_UILegibilitySettingsProvider.name(), cls::NSObject.name())
      .property<kBrightnessSum>()
      .property<kLuminanceSum>()
      .property<kSampleCount>()
      .method("addSampleColor:", addSampleColor)
      .method("hasContrast", hasContrast)
      .method("accumulatedBrightness", accumulatedBrightness)
      .method("accumulatedLuminance", accumulatedLuminance)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilitySettings.name(), cls::NSObject.name())
      .property<kStyle>()
      .property<kPrimaryColor>()
      .property<kSecondaryColor>()
      .method("shadowAlpha", shadowAlpha)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilityView.name(), cls::UIView.name())
      .property<kSettings>()
      .method("usesSecondaryColor", usesSecondaryColor)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilityLabel.name(), cls::UILabel.name())
      .property<kSettings>()
      .method("usesSecondaryColor", usesSecondaryColor)
      .build();
}

}  // namespace vm::uikit
