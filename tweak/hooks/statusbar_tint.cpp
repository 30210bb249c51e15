#include "tweak/hooks/statusbar_tint.h"

#include "tweak/feature_flags.h"

namespace velmotint {

Saved<void(id)> saved::UIActivityIndicatorView_setColor_;
Saved<id(double, double, BOOL)> saved::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_;
Saved<id(NSInteger)> saved::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_;
Saved<void(id)> saved::_UIRefreshControlModernContentView_setTintColor_;
Saved<id(id, id, id)> saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_;

// Forwards only, until this group's behaviour is built.
void replaced::UIActivityIndicatorView_setColor_(id self, SEL cmd, id arg0) {
  saved::UIActivityIndicatorView_setColor_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
id replaced::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(id self, SEL cmd, double arg0, double arg1, BOOL arg2) {
  return saved::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_(self, cmd, arg0, arg1, arg2);
}

// Forwards only, until this group's behaviour is built.
id replaced::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(id self, SEL cmd, NSInteger arg0) {
  return saved::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
void replaced::_UIRefreshControlModernContentView_setTintColor_(id self, SEL cmd, id arg0) {
  saved::_UIRefreshControlModernContentView_setTintColor_(self, cmd, arg0);
}

// Forwards only, until this group's behaviour is built.
id replaced::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(id self, SEL cmd, id arg0, id arg1, id arg2) {
  return saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_(self, cmd, arg0, arg1, arg2);
}

}  // namespace velmotint
