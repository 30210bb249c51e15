// The lock screen's charging view and its controller. The controller's loadView makes
// the view and asks it to show the battery; the controller reports what the view shows.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGRect kChargingFrame{{0, 0}, {320, 120}};
constexpr CGRect kBatteryFrame{{130, 20}, {60, 80}};

// Charging view
const IvarRef<BOOL> kBatteryVisible{"_batteryVisible"};
const IvarRef<id> kBatteryView{"_batteryView"};

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
BOOL viewBatteryVisible(id self, SEL) {
  return kBatteryVisible.of(self);
}
id batteryView(id self, SEL) {
  return kBatteryView.of(self);
}

void viewDealloc(id self, SEL) {
  uikit::releaseAndClear(kBatteryView.of(self));
  sendSuper<void>(self, cls::SBLockScreenBatteryChargingView, sel::dealloc);
}

// Controller
const IvarRef<id> kChargingView{"_chargingView"};
const IvarRef<NSInteger> kLoadCount{"_loadCount"};

void loadView(id self, SEL) {
  id view = uikit::newView(cls::SBLockScreenBatteryChargingView, kChargingFrame);
  send<void>(view, sel::setBatteryVisible_, static_cast<BOOL>(YES));
  id old = kChargingView.of(self);
  kChargingView.of(self) = view;
  release(old);
  ++kLoadCount.of(self);
}

id chargingView(id self, SEL) {
  return kChargingView.of(self);
}
NSInteger loadCount(id self, SEL) {
  return kLoadCount.of(self);
}

BOOL controllerBatteryVisible(id self, SEL) {
  return send<BOOL>(kChargingView.of(self), sel::batteryVisible);
}

void controllerDealloc(id self, SEL) {
  uikit::releaseAndClear(kChargingView.of(self));
  sendSuper<void>(self, cls::SBLockScreenBatteryChargingViewController, sel::dealloc);
}

}  // namespace

void registerBatteryChargingClasses() {
  ReleaseClassBuilder(cls::SBLockScreenBatteryChargingView.name(), cls::UIView.name())
      .ivar<BOOL>("_batteryVisible")
      .ivar<id>("_batteryView")
      .method("initWithFrame:", viewInitWithFrame)
      .method("setBatteryVisible:", setBatteryVisible)
      .method("batteryVisible", viewBatteryVisible)
      .method("batteryView", batteryView)
      .method("dealloc", viewDealloc)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenBatteryChargingViewController.name(), cls::NSObject.name())
      .ivar<id>("_chargingView")
      .ivar<NSInteger>("_loadCount")
      .method("loadView", loadView)
      .method("chargingView", chargingView)
      .method("loadCount", loadCount)
      .method("batteryVisible", controllerBatteryVisible)
      .method("dealloc", controllerDealloc)
      .build();
}

}  // namespace vm::springboard
