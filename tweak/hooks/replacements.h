// The replacements written by hand: the hook rows that do more than skip, answer or force a
// value while their flag is on (tweak/hook_rows.h makes those). Declared once for the hook
// list, the group files that define them and the tests that probe them.
#pragma once

#include <objc/runtime.h>

#include "bridge/platform_types.h"

namespace velmotint::replaced {

// Named <Class>_<selector> after the C++ names bridge/names gives the class and the
// selector ("_UIGlintyStringView" -> p_UIGlintyStringView, "setLabel:" -> setLabel_), so
// that no name is one C++ reserves.

// home_items.cpp: badge and icon layers, the page control.
void SBIconBadgeView_setFrame_(id, SEL, CGRect);
void SBIconImageView_setFrame_(id, SEL, CGRect);
id SBIconListPageControl_initWithFrame_(id, SEL, CGRect);

// lockscreen_elements.cpp: the backlight fade and the preview's slide-to-unlock view.
CGFloat SBFadeAnimationSettings_backlightFadeDuration(id, SEL);
void SBLockScreenPreviewView_p_setupSlideToUnlockView(id, SEL);

// lockscreen_tint.cpp: the banner grabber and the slide-to-unlock text under ENABLED2.
void SBBannerContextView_p_layoutGrabber(id, SEL);
void p_UIGlintyStringView_setLabel_(id, SEL, id);
void p_UIGlintyStringView_layoutSubviews(id, SEL);

// statusbar_tint.cpp: the status bar's colours under ENABLED1 and ENABLED2.
void UIActivityIndicatorView_setColor_(id, SEL, id);
id UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id, SEL, NSInteger);
id UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id, SEL, id, id,
                                                                                    id);

}  // namespace velmotint::replaced
