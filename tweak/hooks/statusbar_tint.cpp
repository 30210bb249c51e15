#include "tweak/hooks/replacements.h"

#include "tweak/feature_flags.h"
#include "tweak/hooks/user_colour.h"

namespace velmotint {

// The longest replacement name, shortened for the lines that name it.
constexpr auto batteryColour =
    &replaced::
        UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;

// ENABLED2 has the last word here: with both flags on the setter runs twice, first with
// vmColor4 and then with vmColor6. ENABLED2 is read only after the first call; each flag
// is read once.
void replaced::UIActivityIndicatorView_setColor_(id self, SEL cmd, id colour) {
  const bool statusBarTint = on(ENABLED1);
  if (!statusBarTint && !on(ENABLED2))
    return original<&UIActivityIndicatorView_setColor_>(self, cmd, colour);
  return flagOn([=] {
    id current = colour;
    if (statusBarTint) {
      current = userColour("vmColor4");
      original<&UIActivityIndicatorView_setColor_>(self, cmd, current);
    }
    // Without ENABLED1, ENABLED2 was found on to come here.
    const bool lockScreenTint = !statusBarTint || on(ENABLED2);
    original<&UIActivityIndicatorView_setColor_>(self, cmd,
                                                 lockScreenTint ? userColour("vmColor6") : current);
  });
}

// One colour for every capacity and charging state; ENABLED2 leaves the battery alone.
id replaced::
    UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(
        id self, SEL cmd, CGFloat capacity, CGFloat lowCapacity, BOOL charging) {
  if (on(ENABLED1)) return userColour("vmColor3");
  return original<batteryColour>(self, cmd, capacity, lowCapacity, charging);
}

// The style is not looked at when a flag is on; ENABLED1 wins over ENABLED2.
id replaced::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id self, SEL cmd,
                                                                          NSInteger style) {
  const bool statusBarTint = on(ENABLED1);
  if (!statusBarTint && !on(ENABLED2))
    return original<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_>(self, cmd,
                                                                                   style);
  return flagOn([=] { return userColour(statusBarTint ? "vmColor2" : "vmColor6"); });
}

void replaced::_UIRefreshControlModernContentView_setTintColor_(id self, SEL cmd, id colour) {
  if (!on(ENABLED1))
    return original<&_UIRefreshControlModernContentView_setTintColor_>(self, cmd, colour);
  return flagOn([=] {
    original<&_UIRefreshControlModernContentView_setTintColor_>(self, cmd, userColour("vmColor4"));
  });
}

// With a flag on, the saved initialiser gets nil as the request (not the caller's), a
// clear background and the user's foreground; ENABLED1 wins over ENABLED2.
id replaced::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(
    id self, SEL cmd, id request, id background, id foreground) {
  const bool statusBarTint = on(ENABLED1);
  if (!statusBarTint && !on(ENABLED2))
    return original<
        &UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
        self, cmd, request, background, foreground);
  return flagOn([=] {
    id clear = clearColour();
    id userForeground = userColour(statusBarTint ? "vmColor1" : "vmColor5");
    return original<
        &UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
        self, cmd, nil, clear, userForeground);
  });
}

HookRows statusBarTintHooks() {
  using K = MethodKind;
  using namespace replaced;
  return {
      hook<&UIActivityIndicatorView_setColor_>(59, "UIActivityIndicatorView", K::Instance,
                                               "setColor:"),
      hook<batteryColour>(60, "UIStatusBarNewUIForegroundStyleAttributes", K::Instance,
                          "_batteryColorForCapacity:lowCapacity:charging:"),
      hook<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_>(
          61, "UIStatusBarNewUIForegroundStyleAttributes", K::Instance, "textColorForStyle:"),
      hook<&_UIRefreshControlModernContentView_setTintColor_>(
          62, "_UIRefreshControlModernContentView", K::Instance, "setTintColor:"),
      hook<&UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
          63, "UIStatusBarNewUIStyleAttributes", K::Instance,
          "initWithRequest:backgroundColor:foregroundColor:"),
  };
}

}  // namespace velmotint
