// Finding preference panes as the Settings application does: the loader entries under
// /Library/PreferenceLoader/Preferences name a bundle in /Library/PreferenceBundles, whose
// principal class is the pane's root controller.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

namespace settings {

inline constexpr const char* kLoaderEntryFolder = "/Library/PreferenceLoader/Preferences";
inline constexpr const char* kBundleFolder = "/Library/PreferenceBundles";

struct PaneEntry {
  std::string file;    // the loader entry, a host path
  std::string label;   // the row Settings shows for the pane
  std::string bundle;  // the bundle's name, without ".bundle"
};

// The device root's loader entries that name a bundle, in file-name order.
std::vector<PaneEntry> paneEntries();

// Loads the entry's bundle and answers its principal class; nil with `error` set.
Class loadPaneClass(const PaneEntry& entry, std::string* error);

}  // namespace settings
