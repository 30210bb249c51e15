// Loads tweak libraries the way the substrate does: every library in the substrate folder
// whose filter list names this process's bundle identifier (or executable name).
#pragma once

#include <string>
#include <vector>

namespace springboard {

inline constexpr const char* kSubstrateFolder = "/Library/MobileSubstrate/DynamicLibraries";

struct LoadedTweak {
  std::string path;
  void* handle = nullptr;  // null when loading failed
  std::string error;
};

// Loads every matching library in the device root's substrate folder, in name order.
std::vector<LoadedTweak> loadTweaks(const std::string& bundleIdentifier,
                                    const std::string& executableName);

// Whether a filter property list (as an NSDictionary) selects this process.
bool filterSelects(void* filterDictionary, const std::string& bundleIdentifier,
                   const std::string& executableName);

}  // namespace springboard
