// Status-bar tint: text, battery, style attributes, activity indicators and the refresh
// control take the user's colours under ENABLED1 and ENABLED2.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"
#include "tweak/saved_slot.h"

// Saved slots and replacements are named <Class>_<selector>, with ':' written '_'.
namespace velmotint::saved {
extern Saved<void(id)> UIActivityIndicatorView_setColor_;
extern Saved<id(double, double, BOOL)> UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;
extern Saved<id(NSInteger)> UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_;
extern Saved<void(id)> _UIRefreshControlModernContentView_setTintColor_;
extern Saved<id(id, id, id)> UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_;
}  // namespace velmotint::saved

namespace velmotint::replaced {
void UIActivityIndicatorView_setColor_(id self, SEL cmd, id arg0);
id UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(id self, SEL cmd, double arg0, double arg1, BOOL arg2);
id UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id self, SEL cmd, NSInteger arg0);
void _UIRefreshControlModernContentView_setTintColor_(id self, SEL cmd, id arg0);
id UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id self, SEL cmd, id arg0, id arg1, id arg2);
}  // namespace velmotint::replaced
