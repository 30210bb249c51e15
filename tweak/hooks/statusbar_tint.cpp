#include "tweak/hooks/statusbar_tint.h"

#include "tweak/feature_flags.h"
#include "tweak/hooks/user_colour.h"

namespace velmotint {

Saved<void(id)> saved::UIActivityIndicatorView_setColor_;
Saved<id(double, double, BOOL)>
    saved::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;
Saved<id(NSInteger)> saved::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_;
Saved<void(id)> saved::_UIRefreshControlModernContentView_setTintColor_;
Saved<id(id, id, id)>
    saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_;

// ENABLED2 has the last word here: with both flags on the setter runs twice, first with
// vmColor4 and then with vmColor6. ENABLED2 is read only after the first call.
void replaced::UIActivityIndicatorView_setColor_(id self, SEL cmd, id colour) {
  id current = colour;
  if (on(ENABLED1)) {
    current = userColour("vmColor4");
    saved::UIActivityIndicatorView_setColor_(self, cmd, current);
  }
  saved::UIActivityIndicatorView_setColor_(self, cmd,
                                           on(ENABLED2) ? userColour("vmColor6") : current);
}

// One colour for every capacity and charging state; ENABLED2 leaves the battery alone.
id replaced::
    UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(
        id self, SEL cmd, double capacity, double lowCapacity, BOOL charging) {
  if (on(ENABLED1)) return userColour("vmColor3");
  return saved::
      UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(
          self, cmd, capacity, lowCapacity, charging);
}

// The style is not looked at when a flag is on; ENABLED1 wins over ENABLED2.
id replaced::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id self, SEL cmd,
                                                                          NSInteger style) {
  if (on(ENABLED1)) return userColour("vmColor2");
  if (on(ENABLED2)) return userColour("vmColor6");
  return saved::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(self, cmd, style);
}

void replaced::_UIRefreshControlModernContentView_setTintColor_(id self, SEL cmd, id colour) {
  saved::_UIRefreshControlModernContentView_setTintColor_(
      self, cmd, on(ENABLED1) ? userColour("vmColor4") : colour);
}

// With a flag on, the saved initialiser gets nil as the request (not the caller's), a
// clear background and the user's foreground; ENABLED1 wins over ENABLED2.
id replaced::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(
    id self, SEL cmd, id request, id background, id foreground) {
  id clear = nil;
  id userForeground = nil;
  if (on(ENABLED1)) {
    clear = clearColour();
    userForeground = userColour("vmColor1");
  } else if (on(ENABLED2)) {
    clear = clearColour();
    userForeground = userColour("vmColor5");
  } else {
    return saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(
        self, cmd, request, background, foreground);
  }
  return saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(
      self, cmd, nil, clear, userForeground);
}

}  // namespace velmotint
