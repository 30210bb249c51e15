#include "tweak/hooks/home_items.h"

#include "tweak/feature_flags.h"

namespace velmotint {

Saved<void(CGRect)> saved::SBIconBadgeView_setFrame_;
Saved<void(CGRect)> saved::SBIconImageView_setFrame_;
Saved<void()> saved::SBStatusBarStateAggregator__updateActivityItem;
Saved<void()> saved::SBStatusBarStateAggregator__updateAirplaneMode;
Saved<void()> saved::SBStatusBarStateAggregator__noteAirplaneModeChanged;
Saved<void()> saved::SBStatusBarStateAggregator__updateTimeItems;
Saved<id()> saved::SBIconLabelImageParameters_text;
Saved<id(CGRect)> saved::SBIconListPageControl_initWithFrame_;
Saved<BOOL()> saved::UIStatusBarBatteryItemView__needsAccessoryImage;

// Forwards only, until this group's behaviour is built.
void replaced::SBIconBadgeView_setFrame_(id self, SEL cmd, CGRect arg0) {
  saved::SBIconBadgeView_setFrame_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBIconImageView_setFrame_(id self, SEL cmd, CGRect arg0) {
  saved::SBIconImageView_setFrame_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBStatusBarStateAggregator__updateActivityItem(id self, SEL cmd) {
  saved::SBStatusBarStateAggregator__updateActivityItem(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBStatusBarStateAggregator__updateAirplaneMode(id self, SEL cmd) {
  saved::SBStatusBarStateAggregator__updateAirplaneMode(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBStatusBarStateAggregator__noteAirplaneModeChanged(id self, SEL cmd) {
  saved::SBStatusBarStateAggregator__noteAirplaneModeChanged(self, cmd);
}

// Forwards only, until this group's behaviour is built.
void replaced::SBStatusBarStateAggregator__updateTimeItems(id self, SEL cmd) {
  saved::SBStatusBarStateAggregator__updateTimeItems(self, cmd);
}

// Forwards only, until this group's behaviour is built.
id replaced::SBIconLabelImageParameters_text(id self, SEL cmd) {
  return saved::SBIconLabelImageParameters_text(self, cmd);
}

// Forwards only, until this group's behaviour is built.
id replaced::SBIconListPageControl_initWithFrame_(id self, SEL cmd, CGRect arg0) {
  return saved::SBIconListPageControl_initWithFrame_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
BOOL replaced::UIStatusBarBatteryItemView__needsAccessoryImage(id self, SEL cmd) {
  return saved::UIStatusBarBatteryItemView__needsAccessoryImage(self, cmd);
}

}  // namespace velmotint
