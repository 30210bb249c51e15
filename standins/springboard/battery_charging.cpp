// The lock screen's charging view and its controller. The controller's loadView makes
// the view and asks it to show the battery; the controller reports what the view shows.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGRect kChargingFrame{{0, 0}, {320, 120}};
constexpr CGRect kBatteryFrame{{130, 20}, {60, 80}};

// Charging view
const AssignProperty<BOOL> kBatteryVisible{"_batteryVisible", "batteryVisible", nullptr};
const RetainProperty kBatteryView{"_batteryView", "batteryView", nullptr};

id viewInitWithFrame(id self, SEL, CGRect frame) {
  self = sendSuper<id>(self, cls::SBLockScreenBatteryChargingView, sel::initWithFrame_, frame);
  if (self == nil) return nil;
  kBatteryView.of(self) = addNewSubview(self, cls::UIView, kBatteryFrame);
  send<void>(kBatteryView.of(self), sel::setHidden_, static_cast<BOOL>(YES));
  return self;
}

void setBatteryVisible(id self, SEL, BOOL visible) {
  kBatteryVisible.of(self) = visible ? YES : NO;
  send<void>(kBatteryView.of(self), sel::setHidden_, static_cast<BOOL>(visible ? NO : YES));
}

// Controller
const RetainProperty kChargingView{"_chargingView", "chargingView", nullptr};
const AssignProperty<NSInteger> kLoadCount{"_loadCount", "loadCount", nullptr};

void loadView(id self, SEL) {
  id view = uikit::newView(cls::SBLockScreenBatteryChargingView, kChargingFrame);
  send<void>(view, sel::setBatteryVisible_, static_cast<BOOL>(YES));
  id old = kChargingView.of(self);
  kChargingView.of(self) = view;
  release(old);
  ++kLoadCount.of(self);
}

BOOL controllerBatteryVisible(id self, SEL) {
  return send<BOOL>(kChargingView.of(self), sel::batteryVisible);
}

}  // namespace

void registerBatteryChargingClasses() {
  ReleaseClassBuilder(cls::SBLockScreenBatteryChargingView.name(), cls::UIView.name())
      .property<kBatteryVisible>()
      .property<kBatteryView>()
      .method("initWithFrame:", viewInitWithFrame)
      .method("setBatteryVisible:", setBatteryVisible)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenBatteryChargingViewController.name(), cls::NSObject.name())
      .property<kChargingView>()
      .property<kLoadCount>()
      .method("loadView", loadView)
      .method("batteryVisible", controllerBatteryVisible)
      .build();
}

}  // namespace vm::springboard
