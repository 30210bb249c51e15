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
const IvarRef<CGFloat> kBrightnessSum{"_brightnessSum"};
const IvarRef<CGFloat> kLuminanceSum{"_luminanceSum"};
const IvarRef<NSInteger> kSampleCount{"_sampleCount"};

void addSampleColor(id self, SEL, id color) {
  if (color == nil) return;
  Rgba c = componentsOf(color);
  kBrightnessSum.of(self) += std::max({c.red, c.green, c.blue});
  kLuminanceSum.of(self) += 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
  ++kSampleCount.of(self);
}

NSInteger sampleCount(id self, SEL) {
  return kSampleCount.of(self);
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
const IvarRef<NSInteger> kStyle{"_style"};
const IvarRef<id> kPrimaryColor{"_primaryColor"};
const IvarRef<id> kSecondaryColor{"_secondaryColor"};

NSInteger style(id self, SEL) {
  return kStyle.of(self);
}
void setStyle(id self, SEL, NSInteger style) {
  kStyle.of(self) = style;
}

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

id primaryColor(id self, SEL) {
  return kPrimaryColor.of(self);
}
void setPrimaryColor(id self, SEL, id color) {
  assignRetained(kPrimaryColor.of(self), color);
}
id secondaryColor(id self, SEL) {
  return kSecondaryColor.of(self);
}
void setSecondaryColor(id self, SEL, id color) {
  assignRetained(kSecondaryColor.of(self), color);
}

void settingsDealloc(id self, SEL) {
  releaseAndClear(kPrimaryColor.of(self));
  releaseAndClear(kSecondaryColor.of(self));
  sendSuper<void>(self, cls::p_UILegibilitySettings, sel::dealloc);
}

// View and label: each class declares its own settings ivar, so each has its own
// accessor (offsets differ between the two).
const IvarRef<id> kViewSettings{"_legibilitySettings"};
const IvarRef<id> kLabelSettings{"_legibilitySettings"};

BOOL hasSecondaryColor(id settings) {
  return send<id>(settings, sel::secondaryColor) != nil ? YES : NO;
}

id viewSettings(id self, SEL) {
  return kViewSettings.of(self);
}
void setViewSettings(id self, SEL, id settings) {
  assignRetained(kViewSettings.of(self), settings);
}
BOOL viewUsesSecondaryColor(id self, SEL) {
  return hasSecondaryColor(kViewSettings.of(self));
}
void viewDealloc(id self, SEL) {
  releaseAndClear(kViewSettings.of(self));
  sendSuper<void>(self, cls::p_UILegibilityView, sel::dealloc);
}

id labelSettings(id self, SEL) {
  return kLabelSettings.of(self);
}
void setLabelSettings(id self, SEL, id settings) {
  assignRetained(kLabelSettings.of(self), settings);
}
BOOL labelUsesSecondaryColor(id self, SEL) {
  return hasSecondaryColor(kLabelSettings.of(self));
}
void labelDealloc(id self, SEL) {
  releaseAndClear(kLabelSettings.of(self));
  sendSuper<void>(self, cls::p_UILegibilityLabel, sel::dealloc);
}

}  // namespace

void registerLegibilityClasses() {
  ReleaseClassBuilder(cls::p_UILegibilitySettingsProvider.name(), cls::NSObject.name())
      .ivar<CGFloat>("_brightnessSum")
      .ivar<CGFloat>("_luminanceSum")
      .ivar<NSInteger>("_sampleCount")
      .method("addSampleColor:", addSampleColor)
      .method("sampleCount", sampleCount)
      .method("hasContrast", hasContrast)
      .method("accumulatedBrightness", accumulatedBrightness)
      .method("accumulatedLuminance", accumulatedLuminance)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilitySettings.name(), cls::NSObject.name())
      .ivar<NSInteger>("_style")
      .ivar<id>("_primaryColor")
      .ivar<id>("_secondaryColor")
      .method("style", style)
      .method("setStyle:", setStyle)
      .method("shadowAlpha", shadowAlpha)
      .method("primaryColor", primaryColor)
      .method("setPrimaryColor:", setPrimaryColor)
      .method("secondaryColor", secondaryColor)
      .method("setSecondaryColor:", setSecondaryColor)
      .method("dealloc", settingsDealloc)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilityView.name(), cls::UIView.name())
      .ivar<id>("_legibilitySettings")
      .method("settings", viewSettings)
      .method("setSettings:", setViewSettings)
      .method("usesSecondaryColor", viewUsesSecondaryColor)
      .method("dealloc", viewDealloc)
      .build();

  ReleaseClassBuilder(cls::p_UILegibilityLabel.name(), cls::UILabel.name())
      .ivar<id>("_legibilitySettings")
      .method("settings", labelSettings)
      .method("setSettings:", setLabelSettings)
      .method("usesSecondaryColor", labelUsesSecondaryColor)
      .method("dealloc", labelDealloc)
      .build();
}

}  // namespace vm::uikit
