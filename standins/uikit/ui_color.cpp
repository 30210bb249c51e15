// UIColor in the device RGB space: four components between 0 and 1 (clamped, as UIKit
// does for device colours), HSB conversion, and the Core Graphics colour it hands out.
#include <cmath>
#include <cstdio>
#include <functional>

#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

const IvarRef<CGFloat> kRed{"_red"};
const IvarRef<CGFloat> kGreen{"_green"};
const IvarRef<CGFloat> kBlue{"_blue"};
const IvarRef<CGFloat> kAlpha{"_alpha"};
const IvarRef<CGColorRef> kCGColor{"_cgColor"};

CGFloat clampUnit(CGFloat v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}

Rgba storedComponents(id color) {
  return Rgba{kRed.of(color), kGreen.of(color), kBlue.of(color), kAlpha.of(color)};
}

// Standard hexcone conversion; a hue of 1.0 wraps round to red.
Rgba rgbFromHsb(CGFloat hue, CGFloat saturation, CGFloat brightness, CGFloat alpha) {
  CGFloat h = hue - std::floor(hue);
  CGFloat s = clampUnit(saturation);
  CGFloat v = clampUnit(brightness);
  if (s == 0) return Rgba{v, v, v, alpha};
  CGFloat sector = h * 6;
  int i = static_cast<int>(std::floor(sector)) % 6;
  CGFloat f = sector - std::floor(sector);
  CGFloat p = v * (1 - s);
  CGFloat q = v * (1 - s * f);
  CGFloat t = v * (1 - s * (1 - f));
  switch (i) {
    case 0:
      return Rgba{v, t, p, alpha};
    case 1:
      return Rgba{q, v, p, alpha};
    case 2:
      return Rgba{p, v, t, alpha};
    case 3:
      return Rgba{p, q, v, alpha};
    case 4:
      return Rgba{t, p, v, alpha};
    default:
      return Rgba{v, p, q, alpha};
  }
}

// Factories answer autoreleased objects of the receiving class, so subclasses get their own.
id makeColor(id classReceiver, const Rgba& c) {
  id color = send<id>(classReceiver, sel::alloc);
  color = send<id>(color, sel::initWithRed_green_blue_alpha_, c.red, c.green, c.blue, c.alpha);
  return autoreleased(color);
}

id initWithRgba(id self, SEL, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  self = sendSuper<id>(self, cls::UIColor, sel::init);
  if (self == nil) return nil;
  kRed.of(self) = clampUnit(red);
  kGreen.of(self) = clampUnit(green);
  kBlue.of(self) = clampUnit(blue);
  kAlpha.of(self) = clampUnit(alpha);
  return self;
}

id init(id self, SEL) {
  return initWithRgba(self, nullptr, 0, 0, 0, 1);
}

id colorWithRgba(id self, SEL, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  return makeColor(self, Rgba{red, green, blue, alpha});
}

id colorWithHsba(id self, SEL, CGFloat hue, CGFloat saturation, CGFloat brightness, CGFloat alpha) {
  return makeColor(self, rgbFromHsb(hue, saturation, brightness, alpha));
}

id colorWithWhite(id self, SEL, CGFloat white, CGFloat alpha) {
  return makeColor(self, Rgba{white, white, white, alpha});
}

id clearColor(id self, SEL) {
  return makeColor(self, Rgba{0, 0, 0, 0});
}
id blackColor(id self, SEL) {
  return makeColor(self, Rgba{0, 0, 0, 1});
}
id whiteColor(id self, SEL) {
  return makeColor(self, Rgba{1, 1, 1, 1});
}
id grayColor(id self, SEL) {
  return makeColor(self, Rgba{0.5, 0.5, 0.5, 1});
}
id redColor(id self, SEL) {
  return makeColor(self, Rgba{1, 0, 0, 1});
}
id greenColor(id self, SEL) {
  return makeColor(self, Rgba{0, 1, 0, 1});
}

id colorWithAlphaComponent(id self, SEL, CGFloat alpha) {
  Rgba c = storedComponents(self);
  c.alpha = alpha;
  return makeColor(asId(object_getClass(self)), c);
}

BOOL getRgba(id self, SEL, CGFloat* red, CGFloat* green, CGFloat* blue, CGFloat* alpha) {
  Rgba c = storedComponents(self);
  if (red != nullptr) *red = c.red;
  if (green != nullptr) *green = c.green;
  if (blue != nullptr) *blue = c.blue;
  if (alpha != nullptr) *alpha = c.alpha;
  return YES;
}

BOOL isEqual(id self, SEL, id other) {
  if (other == self) return YES;
  if (!isKindOf(other, cls::UIColor)) return NO;
  return storedComponents(self) == storedComponents(other) ? YES : NO;
}

NSUInteger hash(id self, SEL) {
  // Equal colours have equal components; -0.0 and 0.0 compare equal, so hash the
  // rounded values rather than the bits.
  Rgba c = storedComponents(self);
  NSUInteger h = 0;
  for (CGFloat v : {c.red, c.green, c.blue, c.alpha})
    h = h * 1000003u + std::hash<long>{}(std::lround(v * 1e9));
  return h;
}

// The colour owns its Core Graphics colour: valid as long as the UIColor lives.
CGColorRef cgColor(id self, SEL) {
  CGColorRef& cached = kCGColor.of(self);
  if (cached == nullptr) cached = createCGColor(storedComponents(self));
  return cached;
}

id description(id self, SEL) {
  Rgba c = storedComponents(self);
  char text[128];
  std::snprintf(text, sizeof text, "UIDeviceRGBColorSpace %g %g %g %g", c.red, c.green, c.blue,
                c.alpha);
  return nsString(text);
}

void dealloc(id self, SEL) {
  CGColorRelease(kCGColor.of(self));
  kCGColor.of(self) = nullptr;
  sendSuper<void>(self, cls::UIColor, sel::dealloc);
}

}  // namespace

Rgba componentsOf(id color) {
  Rgba c;
  if (color == nil) return c;
  send<BOOL>(color, sel::getRed_green_blue_alpha_, &c.red, &c.green, &c.blue, &c.alpha);
  return c;
}

void registerColorClasses() {
  ReleaseClassBuilder(cls::UIColor.name(), cls::NSObject.name())
      .ivar<CGFloat>("_red")
      .ivar<CGFloat>("_green")
      .ivar<CGFloat>("_blue")
      .ivar<CGFloat>("_alpha")
      .ivar<CGColorRef>("_cgColor")
      .method("init", init)
      .method("initWithRed:green:blue:alpha:", initWithRgba)
      .method("colorWithAlphaComponent:", colorWithAlphaComponent)
      .method("getRed:green:blue:alpha:", getRgba)
      .method("isEqual:", isEqual)
      .method("hash", hash)
      .method("CGColor", cgColor)
      .method("description", description)
      .method("dealloc", dealloc)
      .classMethod("colorWithRed:green:blue:alpha:", colorWithRgba)
      .classMethod("colorWithHue:saturation:brightness:alpha:", colorWithHsba)
      .classMethod("colorWithWhite:alpha:", colorWithWhite)
      .classMethod("clearColor", clearColor)
      .classMethod("blackColor", blackColor)
      .classMethod("whiteColor", whiteColor)
      .classMethod("grayColor", grayColor)
      .classMethod("redColor", redColor)
      .classMethod("greenColor", greenColor)
      .build();
}

}  // namespace vm::uikit
