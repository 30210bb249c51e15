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
  return colorFromDefaultsWithKey(vm::nsString(kSettingsDomain), vm::nsString(key),
                                  vm::nsString(kFallbackColour));
}

// UIColor's fully transparent colour. Autoreleased.
inline id clearColour() {
  return vm::send<id>(vm::cls::UIColor.get(), vm::sel::clearColor);
}

}  // namespace velmotint
