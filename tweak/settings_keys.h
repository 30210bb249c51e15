// The names the tweak shares with the Settings pane. Where the settings file lives and
// which notification announces a change belong to the settings store
// (settings_store/settings_names.h).
#pragma once

#include <array>

#include "settings_store/settings_names.h"

namespace velmotint {

inline constexpr const char* kSettingsDomain = vm::kVelmotintDomain;
// Every colour a replacement looks up falls back to this when nothing is stored.
inline constexpr const char* kFallbackColour = "#a1a1a1:1.0";

// The user's colours, by settings key. Arrays, so that a hook row can take one as a
// template argument and its body and the hook report read the same key.
inline constexpr char kColour1[] = "vmColor1";
inline constexpr char kColour2[] = "vmColor2";
inline constexpr char kColour3[] = "vmColor3";
inline constexpr char kColour4[] = "vmColor4";
inline constexpr char kColour5[] = "vmColor5";
inline constexpr char kColour6[] = "vmColor6";

// Every colour key in order, for what lists, shows or draws each colour.
inline constexpr std::array<const char*, 6> kColourKeys{kColour1, kColour2, kColour3,
                                                        kColour4, kColour5, kColour6};

}  // namespace velmotint
