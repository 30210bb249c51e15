// The Velmotint settings: the domain the tweak and the pane share, and the Darwin
// notification that announces a change to it.
#pragma once

// A literal macro because CFSTR takes nothing else.
#define VM_VELMOTINT_SETTINGS_CHANGED "com.tanvork.velmotint/settingschanged"

namespace vm {

inline constexpr const char* kVelmotintDomain = "com.tanvork.velmotint";
inline constexpr const char* kVelmotintSettingsChanged = VM_VELMOTINT_SETTINGS_CHANGED;

}  // namespace vm
