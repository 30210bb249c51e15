// The lock screen's date: a controller that loads a label, formats the current date into
// it, follows the backlight, and can hide the date (which also stops its updates).
#include <ctime>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr const char* kInitialFormat = "%A %e %B";
constexpr const char* kLocaleFormat = "%A, %B %e";
constexpr CGRect kDateFrame{{0, 0}, {320, 60}};

const RetainProperty kView{"_view", "view", nullptr};
const CopyProperty kDateFormat{"_dateFormat", "dateFormat", nullptr};
const AssignProperty<BOOL> kDateHidden{"_dateHidden", "isDateHidden", nullptr};
const AssignProperty<BOOL> kObserving{"_observing", "isObserving", nullptr};
const AssignProperty<NSInteger> kUpdateCount{"_updateCount", "updateCount", nullptr};
const AssignProperty<NSInteger> kBacklightChangeCount{"_backlightChangeCount",
                                                      "backlightChangeCount", nullptr};
const AssignProperty<NSInteger> kFormatUpdateCount{"_formatUpdateCount", "formatUpdateCount",
                                                   nullptr};

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

// The backlight coming on is when the date catches up.
void backlightChanged(id self, SEL) {
  ++kBacklightChangeCount.of(self);
  send<void>(self, sel::p_updateView);
}

void updateFormat(id self, SEL) {
  uikit::assignCopied(kDateFormat.of(self), nsString(kLocaleFormat));
  ++kFormatUpdateCount.of(self);
}

void addObservers(id self, SEL) {
  kObserving.of(self) = YES;
}

}  // namespace

void registerDateViewController() {
  ReleaseClassBuilder(cls::SBLockScreenDateViewController.name(), cls::NSObject.name())
      .property<kView>()
      .property<kDateFormat>()
      .property<kDateHidden>()
      .property<kObserving>()
      .property<kUpdateCount>()
      .property<kBacklightChangeCount>()
      .property<kFormatUpdateCount>()
      .method("init", init)
      .method("setDateHidden:", setDateHidden)
      .method("disablesUpdates", disablesUpdates)
      .method("loadView", loadView)
      .method("isViewLoaded", isViewLoaded)
      .method("_updateView", updateView)
      .method("_backlightChanged", backlightChanged)
      .method("_updateFormat", updateFormat)
      .method("_addObservers", addObservers)
      .build();
}

}  // namespace vm::springboard
