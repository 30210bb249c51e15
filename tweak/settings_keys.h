// The settings file's location and the names the tweak shares with the Settings pane.
#pragma once

namespace velmotint {

inline constexpr const char* kSettingsPath =
    "/var/mobile/Library/Preferences/com.tanvork.velmotint.plist";
inline constexpr const char* kSettingsDomain = "com.tanvork.velmotint";
inline constexpr const char* kSettingsChangedNotification =
    "com.tanvork.velmotint/settingschanged";
// Every colour a replacement looks up falls back to this when nothing is stored.
inline constexpr const char* kFallbackColour = "#a1a1a1:1.0";

}  // namespace velmotint
