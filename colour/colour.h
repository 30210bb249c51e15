// The colour a setting holds: what the tweak's replacements call for the user's colours.
// Both deliverables export it under this name (global namespace, C++ linkage); the
// conversions it builds on are in colour_string.h and hex.h.
#pragma once

#include <objc/runtime.h>

#include "bridge/export.h"

// The colour stored under `key` in the settings file of `domain`
// ("/var/mobile/Library/Preferences/<domain>.plist", checked on every call and read again
// whenever it changed: settings_store/settings_domain.h), with its ":alpha" applied; the colour of
// the `fallback` colour string when the file, the key or a string value is missing.
// Returns an autoreleased colour.
VM_EXPORT id colorFromDefaultsWithKey(id domain, id key, id fallback);
