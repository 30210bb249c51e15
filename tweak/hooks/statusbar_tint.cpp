#include "tweak/feature_flags.h"
#include "tweak/hooks/replacements.h"
#include "tweak/hooks/user_colour.h"
#include "tweak/saved_slot.h"

namespace velmotint {

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
      current = userColour(kColour4);
      original<&UIActivityIndicatorView_setColor_>(self, cmd, current);
    }
    // Without ENABLED1, ENABLED2 was found on to come here.
    const bool lockScreenTint = !statusBarTint || on(ENABLED2);
    original<&UIActivityIndicatorView_setColor_>(self, cmd,
                                                 lockScreenTint ? userColour(kColour6) : current);
  });
}

// The style is not looked at when a flag is on; ENABLED1 wins over ENABLED2.
id replaced::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id self, SEL cmd,
                                                                          NSInteger style) {
  const bool statusBarTint = on(ENABLED1);
  if (!statusBarTint && !on(ENABLED2))
    return original<&UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_>(self, cmd,
                                                                                   style);
  return flagOn([=] { return userColour(statusBarTint ? kColour2 : kColour6); });
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
    id userForeground = userColour(statusBarTint ? kColour1 : kColour5);
    return original<
        &UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_>(
        self, cmd, nil, clear, userForeground);
  });
}

}  // namespace velmotint
