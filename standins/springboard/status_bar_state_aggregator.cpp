// SpringBoard's status-bar state aggregator: refreshes the activity, airplane-mode and
// time items of the status bar when asked.
#include <ctime>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

const AssignProperty<NSInteger> kActivityUpdates{"_activityUpdateCount", "activityUpdateCount",
                                                 nullptr};
const AssignProperty<BOOL> kActivityVisible{"_activityItemVisible", "isActivityItemVisible",
                                            nullptr};
const AssignProperty<BOOL> kAirplaneModeEnabled{"_airplaneModeEnabled", nullptr, nullptr};
const AssignProperty<BOOL> kAirplaneItemVisible{"_airplaneModeItemVisible",
                                                "isAirplaneModeItemVisible", nullptr};
const AssignProperty<NSInteger> kAirplaneUpdates{"_airplaneModeUpdateCount",
                                                 "airplaneModeUpdateCount", nullptr};
const AssignProperty<NSInteger> kAirplaneChanges{"_airplaneModeChangeCount",
                                                 "airplaneModeChangeCount", nullptr};
const AssignProperty<NSInteger> kTimeUpdates{"_timeUpdateCount", "timeUpdateCount", nullptr};
const CopyProperty kTimeText{"_timeItemText", "timeItemText", nullptr};

void updateActivityItem(id self, SEL) {
  kActivityVisible.of(self) = YES;
  ++kActivityUpdates.of(self);
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

void updateTimeItems(id self, SEL) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16] = {};
  std::strftime(text, sizeof text, "%H:%M", &local);
  uikit::assignCopied(kTimeText.of(self), nsString(text));
  ++kTimeUpdates.of(self);
}

}  // namespace

void registerStatusBarStateAggregator() {
  ReleaseClassBuilder(cls::SBStatusBarStateAggregator.name(), cls::NSObject.name())
      .property<kActivityUpdates>()
      .property<kActivityVisible>()
      .property<kAirplaneModeEnabled>()
      .property<kAirplaneItemVisible>()
      .property<kAirplaneUpdates>()
      .property<kAirplaneChanges>()
      .property<kTimeUpdates>()
      .property<kTimeText>()
      .method("_updateActivityItem", updateActivityItem)
      .method("setAirplaneModeEnabled:", setAirplaneModeEnabled)
      .method("_updateAirplaneMode", updateAirplaneMode)
      .method("_noteAirplaneModeChanged", noteAirplaneModeChanged)
      .method("_updateTimeItems", updateTimeItems)
      .build();
}

}  // namespace vm::springboard
