// The UIKit and QuartzCore stand-in as C++ callers see it: how to make sure its classes
// exist, the Core Graphics colour functions, and read-back helpers that tests and hosts
// use to look at what the platform objects hold. Class and selector names:
// bridge/names/uikit.h.
#pragma once

#include <objc/runtime.h>

#include <cstddef>
#include <string>

#include "bridge/objc_send.h"
#include "bridge/platform_types.h"
#include "bridge/selectors.h"

extern "C" {

// Creates every class of the stand-in. The library already does this when it is loaded,
// as a framework would; calling it again changes nothing.
void VMRegisterUIKitClasses(void);

// Core Graphics colours are reference counted on their own, apart from the UIColor that
// handed them out: a layer that keeps one retains it. All accept NULL.
CGColorRef CGColorRetain(CGColorRef color);
void CGColorRelease(CGColorRef color);
size_t CGColorGetNumberOfComponents(CGColorRef color);  // 4 (RGBA); 0 for NULL
const CGFloat* CGColorGetComponents(CGColorRef color);  // red, green, blue, alpha
CGFloat CGColorGetAlpha(CGColorRef color);
bool CGColorEqualToColor(CGColorRef first, CGColorRef second);
}

namespace vm::uikit {

// Environment variable that sets the main screen's width in points (default 375.5).
inline constexpr const char* kScreenWidthVariable = "VELMOTINT_SCREEN_WIDTH";

struct Rgba {
  CGFloat red = 0;
  CGFloat green = 0;
  CGFloat blue = 0;
  CGFloat alpha = 0;
};
inline bool operator==(const Rgba& a, const Rgba& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

// A UIColor's components, through getRed:green:blue:alpha: (all zero for nil).
Rgba componentsOf(id color);
// A Core Graphics colour's components (all zero for NULL).
Rgba componentsOf(CGColorRef color);
// How many owners a Core Graphics colour has (0 for NULL).
long retainCountOf(CGColorRef color);

// The absolute string of the URL that UIApplication last opened; empty if none.
std::string lastOpenedURLString();

// Instance methods that the stand-in adds for reading state back (no UIKit names):
//   UIApplication   lastOpenedURL (id), openedURLCount (NSInteger)
//   UIActivityIndicatorView   colorChangeCount (NSInteger): calls of its setColor:
//   UIView          layoutIfNeeded: runs layoutSubviews if setNeedsLayout asked for it
//   UIImage         name (id): the name it was made with
//   _UIGlintyStringView   label (id), chevronStyle (NSInteger), isBlurHidden (BOOL),
//                   isBlurHiddenForRequester: (BOOL, id), displayedText (id, the label's
//                   text as of the last updateText), textUpdateCount, layoutCount (NSInteger)
//   _UILegibilitySettingsProvider   addSampleColor: (id): accumulates a background colour;
//                   sampleCount (NSInteger). Brightness is the mean HSB brightness of the
//                   samples, luminance their mean Rec. 709 luminance, and hasContrast is
//                   YES when that luminance is above 0.5 (0.0, 0.0, NO without samples).
//   _UILegibilitySettings   style / setStyle: (NSInteger); shadowAlpha follows the style.
//   _UILegibilityView, _UILegibilityLabel   settings / setSettings: (a _UILegibilitySettings,
//                   retained); usesSecondaryColor is YES when it has a secondary colour.
//   _UIRefreshControlModernContentView   tintColorChangeCount (NSInteger)
//   UIStatusBarBatteryItemView   isCharging / setCharging: (BOOL); the accessory image
//                   (the charging bolt) is needed while charging.

}  // namespace vm::uikit
