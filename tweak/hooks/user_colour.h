// The colours the replacements hand to the platform: the user's colour under a settings
// key, and UIColor's own named colours.
#pragma once

#include <objc/runtime.h>

#include "bridge/foundation.h"
#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "colour/colour.h"
#include "tweak/settings_keys.h"

namespace velmotint {

// The colour stored under `key`, read from the settings file afresh on every call: the
// Settings pane rewrites colours without posting a notification, so nothing may be kept.
// Autoreleased; the caller hands it on at once.
inline id userColour(const char* key) {
  // The same immutable strings on every call, as literal strings are on the device: the
  // lookup knows the domain again by its object instead of reading its text.
  static const id domain = vm::retain(vm::nsString(kSettingsDomain));
  static const id fallback = vm::retain(vm::nsString(kFallbackColour));
  return colorFromDefaultsWithKey(domain, vm::nsString(key), fallback);
}

// UIColor's fully transparent colour. Autoreleased.
inline id clearColour() {
  return vm::send<id>(vm::cls::UIColor.get(), vm::sel::clearColor);
}

}  // namespace velmotint
