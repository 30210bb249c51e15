// Home-screen and status-bar items: badge and icon layers, icon labels, the page control,
// the status bar's activity, airplane-mode and time items and the battery accessory.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/hook_table.h"

namespace velmotint {

// This group's rows of the hook table.
HookRows homeItemHooks();

// Replacements are named <Class>_<selector>, with ':' written '_'.
namespace replaced {
void SBIconBadgeView_setFrame_(id, SEL, CGRect);
void SBIconImageView_setFrame_(id, SEL, CGRect);
void SBStatusBarStateAggregator__updateActivityItem(id, SEL);
void SBStatusBarStateAggregator__updateAirplaneMode(id, SEL);
void SBStatusBarStateAggregator__noteAirplaneModeChanged(id, SEL);
void SBStatusBarStateAggregator__updateTimeItems(id, SEL);
id SBIconLabelImageParameters_text(id, SEL);
id SBIconListPageControl_initWithFrame_(id, SEL, CGRect);
BOOL UIStatusBarBatteryItemView__needsAccessoryImage(id, SEL);
}  // namespace replaced

}  // namespace velmotint
