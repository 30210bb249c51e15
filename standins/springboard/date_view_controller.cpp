// The lock screen's date: a controller that loads a label, formats the current date into
// it, follows the backlight, and can hide the date (which also stops its updates).
#include <ctime>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr const char* kInitialFormat = "%A %e %B";
constexpr const char* kLocaleFormat = "%A, %B %e";
constexpr CGRect kDateFrame{{0, 0}, {320, 60}};

const IvarRef<id> kView{"_view"};
const IvarRef<id> kDateFormat{"_dateFormat"};
const IvarRef<BOOL> kDateHidden{"_dateHidden"};
const IvarRef<BOOL> kObserving{"_observing"};
const IvarRef<NSInteger> kUpdateCount{"_updateCount"};
const IvarRef<NSInteger> kBacklightChangeCount{"_backlightChangeCount"};
const IvarRef<NSInteger> kFormatUpdateCount{"_formatUpdateCount"};

id init(id self, SEL) {
  self = sendSuper<id>(self, cls::SBLockScreenDateViewController, sel::init);
  if (self == nil) return nil;
  uikit::assignCopied(kDateFormat.of(self), nsString(kInitialFormat));
  return self;
}

void setDateHidden(id self, SEL, BOOL hidden) {
  kDateHidden.of(self) = hidden ? YES : NO;
  send<void>(kView.of(self), sel::setHidden_, kDateHidden.of(self));
}
BOOL isDateHidden(id self, SEL) {
  return kDateHidden.of(self);
}

// A hidden date need not be kept current.
BOOL disablesUpdates(id self, SEL) {
  return kDateHidden.of(self);
}

void loadView(id self, SEL) {
  id view = uikit::newView(cls::UILabel, kDateFrame);
  send<void>(view, sel::setHidden_, kDateHidden.of(self));
  id old = kView.of(self);
  kView.of(self) = view;
  release(old);
}
id view(id self, SEL) {
  return kView.of(self);
}
BOOL isViewLoaded(id self, SEL) {
  return kView.of(self) != nil ? YES : NO;
}

std::string formattedNow(const std::string& format) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[128] = {};
  std::strftime(text, sizeof text, format.c_str(), &local);
  return text;
}

void updateView(id self, SEL) {
  ++kUpdateCount.of(self);
  if (send<BOOL>(self, sel::disablesUpdates)) return;
  id label = kView.of(self);
  if (label == nil) return;
  send<void>(label, sel::setText_, nsString(formattedNow(stdString(kDateFormat.of(self)))));
}
NSInteger updateCount(id self, SEL) {
  return kUpdateCount.of(self);
}

// The backlight coming on is when the date catches up.
void backlightChanged(id self, SEL) {
  ++kBacklightChangeCount.of(self);
  send<void>(self, sel::p_updateView);
}
NSInteger backlightChangeCount(id self, SEL) {
  return kBacklightChangeCount.of(self);
}

void updateFormat(id self, SEL) {
  uikit::assignCopied(kDateFormat.of(self), nsString(kLocaleFormat));
  ++kFormatUpdateCount.of(self);
}
id dateFormat(id self, SEL) {
  return kDateFormat.of(self);
}
NSInteger formatUpdateCount(id self, SEL) {
  return kFormatUpdateCount.of(self);
}

void addObservers(id self, SEL) {
  kObserving.of(self) = YES;
}
BOOL isObserving(id self, SEL) {
  return kObserving.of(self);
}

void dealloc(id self, SEL) {
  uikit::releaseAndClear(kView.of(self));
  uikit::releaseAndClear(kDateFormat.of(self));
  sendSuper<void>(self, cls::SBLockScreenDateViewController, sel::dealloc);
}

}  // namespace

void registerDateViewController() {
  ReleaseClassBuilder(cls::SBLockScreenDateViewController.name(), cls::NSObject.name())
      .ivar<id>("_view")
      .ivar<id>("_dateFormat")
      .ivar<BOOL>("_dateHidden")
      .ivar<BOOL>("_observing")
      .ivar<NSInteger>("_updateCount")
      .ivar<NSInteger>("_backlightChangeCount")
      .ivar<NSInteger>("_formatUpdateCount")
      .method("init", init)
      .method("setDateHidden:", setDateHidden)
      .method("isDateHidden", isDateHidden)
      .method("disablesUpdates", disablesUpdates)
      .method("loadView", loadView)
      .method("view", view)
      .method("isViewLoaded", isViewLoaded)
      .method("_updateView", updateView)
      .method("updateCount", updateCount)
      .method("_backlightChanged", backlightChanged)
      .method("backlightChangeCount", backlightChangeCount)
      .method("_updateFormat", updateFormat)
      .method("dateFormat", dateFormat)
      .method("formatUpdateCount", formatUpdateCount)
      .method("_addObservers", addObservers)
      .method("isObserving", isObserving)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::springboard
