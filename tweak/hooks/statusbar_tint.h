// Status-bar tint: text, battery, style attributes, activity indicators and the refresh
// control take the user's colours under ENABLED1 and ENABLED2.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/hook_table.h"

namespace velmotint {

// This group's rows of the hook table.
HookRows statusBarTintHooks();

// Replacements are named <Class>_<selector>, with ':' written '_'.
namespace replaced {
void UIActivityIndicatorView_setColor_(id, SEL, id);
id UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(id, SEL,
                                                                                            CGFloat,
                                                                                            CGFloat,
                                                                                            BOOL);
id UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id, SEL, NSInteger);
void _UIRefreshControlModernContentView_setTintColor_(id, SEL, id);
id UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id, SEL, id, id,
                                                                                    id);
}  // namespace replaced

}  // namespace velmotint
