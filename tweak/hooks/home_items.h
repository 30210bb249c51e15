// Home-screen and status-bar items: badge and icon layers, icon labels, the page control,
// the status bar's activity, airplane-mode and time items and the battery accessory.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/saved_slot.h"

// Saved slots and replacements are named <Class>_<selector>, with ':' written '_'.
namespace velmotint::saved {
extern Saved<void(CGRect)> SBIconBadgeView_setFrame_;
extern Saved<void(CGRect)> SBIconImageView_setFrame_;
extern Saved<void()> SBStatusBarStateAggregator__updateActivityItem;
extern Saved<void()> SBStatusBarStateAggregator__updateAirplaneMode;
extern Saved<void()> SBStatusBarStateAggregator__noteAirplaneModeChanged;
extern Saved<void()> SBStatusBarStateAggregator__updateTimeItems;
extern Saved<id()> SBIconLabelImageParameters_text;
extern Saved<id(CGRect)> SBIconListPageControl_initWithFrame_;
extern Saved<BOOL()> UIStatusBarBatteryItemView__needsAccessoryImage;
}  // namespace velmotint::saved

namespace velmotint::replaced {
void SBIconBadgeView_setFrame_(id self, SEL cmd, CGRect arg0);
void SBIconImageView_setFrame_(id self, SEL cmd, CGRect arg0);
void SBStatusBarStateAggregator__updateActivityItem(id self, SEL cmd);
void SBStatusBarStateAggregator__updateAirplaneMode(id self, SEL cmd);
void SBStatusBarStateAggregator__noteAirplaneModeChanged(id self, SEL cmd);
void SBStatusBarStateAggregator__updateTimeItems(id self, SEL cmd);
id SBIconLabelImageParameters_text(id self, SEL cmd);
id SBIconListPageControl_initWithFrame_(id self, SEL cmd, CGRect arg0);
BOOL UIStatusBarBatteryItemView__needsAccessoryImage(id self, SEL cmd);
}  // namespace velmotint::replaced
