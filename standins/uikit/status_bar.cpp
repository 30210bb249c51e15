// The status bar's style objects: the foreground attributes that pick text and battery
// colours, the style attributes built from a request and two colours, and the battery
// item view.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

// Foreground style attributes: the battery is green while charging, red at or below the
// low level, white otherwise; text is black on the default style, white on the light
// style (1) and grey for any other.
id batteryColor(id, SEL, CGFloat capacity, CGFloat lowCapacity, BOOL charging) {
  if (charging) return rgbaColor(0.3, 0.85, 0.39, 1);
  if (capacity <= lowCapacity) return send<id>(cls::UIColor.get(), sel::redColor);
  return send<id>(cls::UIColor.get(), sel::whiteColor);
}

id textColorForStyle(id, SEL, NSInteger style) {
  switch (style) {
    case 0:
      return send<id>(cls::UIColor.get(), sel::blackColor);
    case 1:
      return send<id>(cls::UIColor.get(), sel::whiteColor);
    default:
      return rgbaColor(0.5, 0.5, 0.5, 1);
  }
}

// Style attributes
const RetainProperty kRequest{"_request", "request", nullptr};
const RetainProperty kBackground{"_backgroundColor", "backgroundColor", nullptr};
const RetainProperty kForeground{"_foregroundColor", "foregroundColor", nullptr};

id initWithRequest(id self, SEL, id request, id background, id foreground) {
  self = sendSuper<id>(self, cls::UIStatusBarNewUIStyleAttributes, sel::init);
  if (self == nil) return nil;
  assignRetained(kRequest.of(self), request);
  assignRetained(kBackground.of(self), background);
  assignRetained(kForeground.of(self), foreground);
  return self;
}

// Battery item: the accessory image is the charging bolt.
const AssignProperty<BOOL> kCharging{"_charging", "isCharging", nullptr};

void setCharging(id self, SEL, BOOL charging) {
  kCharging.of(self) = charging ? YES : NO;
}
BOOL needsAccessoryImage(id self, SEL) {
  return kCharging.of(self);
}

}  // namespace

void registerStatusBarClasses() {
  ReleaseClassBuilder(cls::UIStatusBarNewUIForegroundStyleAttributes.name(), cls::NSObject.name())
      .method("_batteryColorForCapacity:lowCapacity:charging:", batteryColor)
      .method("textColorForStyle:", textColorForStyle)
      .build();

  ReleaseClassBuilder(cls::UIStatusBarNewUIStyleAttributes.name(), cls::NSObject.name())
      .property<kRequest>()
      .property<kBackground>()
      .property<kForeground>()
      .method("initWithRequest:backgroundColor:foregroundColor:", initWithRequest)
      .build();

  ReleaseClassBuilder(cls::UIStatusBarBatteryItemView.name(), cls::UIView.name())
      .property<kCharging>()
      .method("setCharging:", setCharging)
      .method("_needsAccessoryImage", needsAccessoryImage)
      .build();
}

}  // namespace vm::uikit
