// The names the tweak shares with the Settings pane. Where the settings file lives and
// which notification announces a change belong to the settings store
// (settings_store/settings_names.h).
#pragma once

#include "settings_store/settings_names.h"

namespace velmotint {

inline constexpr const char* kSettingsDomain = vm::kVelmotintDomain;
// Every colour a replacement looks up falls back to this when nothing is stored.
inline constexpr const char* kFallbackColour = "#a1a1a1:1.0";

}  // namespace velmotint
