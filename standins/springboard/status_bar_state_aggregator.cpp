// SpringBoard's status-bar state aggregator: refreshes the activity, airplane-mode and
// time items of the status bar when asked.
#include <ctime>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

const IvarRef<NSInteger> kActivityUpdates{"_activityUpdateCount"};
const IvarRef<BOOL> kActivityVisible{"_activityItemVisible"};
const IvarRef<BOOL> kAirplaneModeEnabled{"_airplaneModeEnabled"};
const IvarRef<BOOL> kAirplaneItemVisible{"_airplaneModeItemVisible"};
const IvarRef<NSInteger> kAirplaneUpdates{"_airplaneModeUpdateCount"};
const IvarRef<NSInteger> kAirplaneChanges{"_airplaneModeChangeCount"};
const IvarRef<NSInteger> kTimeUpdates{"_timeUpdateCount"};
const IvarRef<id> kTimeText{"_timeItemText"};

void updateActivityItem(id self, SEL) {
  kActivityVisible.of(self) = YES;
  ++kActivityUpdates.of(self);
}
NSInteger activityUpdateCount(id self, SEL) {
  return kActivityUpdates.of(self);
}
BOOL isActivityItemVisible(id self, SEL) {
  return kActivityVisible.of(self);
}

// The airplane item shows the radio state as of its last update, not as it is now.
void setAirplaneModeEnabled(id self, SEL, BOOL enabled) {
  kAirplaneModeEnabled.of(self) = enabled ? YES : NO;
}
void updateAirplaneMode(id self, SEL) {
  kAirplaneItemVisible.of(self) = kAirplaneModeEnabled.of(self);
  ++kAirplaneUpdates.of(self);
}
void noteAirplaneModeChanged(id self, SEL) {
  ++kAirplaneChanges.of(self);
  send<void>(self, sel::p_updateAirplaneMode);
}
BOOL isAirplaneModeItemVisible(id self, SEL) {
  return kAirplaneItemVisible.of(self);
}
NSInteger airplaneModeUpdateCount(id self, SEL) {
  return kAirplaneUpdates.of(self);
}
NSInteger airplaneModeChangeCount(id self, SEL) {
  return kAirplaneChanges.of(self);
}

void updateTimeItems(id self, SEL) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16] = {};
  std::strftime(text, sizeof text, "%H:%M", &local);
  uikit::assignCopied(kTimeText.of(self), nsString(text));
  ++kTimeUpdates.of(self);
}
NSInteger timeUpdateCount(id self, SEL) {
  return kTimeUpdates.of(self);
}
id timeItemText(id self, SEL) {
  return kTimeText.of(self);
}

void dealloc(id self, SEL) {
  uikit::releaseAndClear(kTimeText.of(self));
  sendSuper<void>(self, cls::SBStatusBarStateAggregator, sel::dealloc);
}

}  // namespace

void registerStatusBarStateAggregator() {
  ReleaseClassBuilder(cls::SBStatusBarStateAggregator.name(), cls::NSObject.name())
      .ivar<NSInteger>("_activityUpdateCount")
      .ivar<BOOL>("_activityItemVisible")
      .ivar<BOOL>("_airplaneModeEnabled")
      .ivar<BOOL>("_airplaneModeItemVisible")
      .ivar<NSInteger>("_airplaneModeUpdateCount")
      .ivar<NSInteger>("_airplaneModeChangeCount")
      .ivar<NSInteger>("_timeUpdateCount")
      .ivar<id>("_timeItemText")
      .method("_updateActivityItem", updateActivityItem)
      .method("activityUpdateCount", activityUpdateCount)
      .method("isActivityItemVisible", isActivityItemVisible)
      .method("setAirplaneModeEnabled:", setAirplaneModeEnabled)
      .method("_updateAirplaneMode", updateAirplaneMode)
      .method("_noteAirplaneModeChanged", noteAirplaneModeChanged)
      .method("isAirplaneModeItemVisible", isAirplaneModeItemVisible)
      .method("airplaneModeUpdateCount", airplaneModeUpdateCount)
      .method("airplaneModeChangeCount", airplaneModeChangeCount)
      .method("_updateTimeItems", updateTimeItems)
      .method("timeUpdateCount", timeUpdateCount)
      .method("timeItemText", timeItemText)
      .method("dealloc", dealloc)
      .build();
}

}  // namespace vm::springboard
