// A device root holding full settings files for the lookup benchmarks.
#pragma once

#include <string>

namespace vm::bench {

// The domains whose settings files the fixture writes: the same thirty keys (ENABLED1 to
// ENABLED24 booleans, vmColor1 to vmColor6 colour strings) as an XML and a binary list.
inline constexpr const char* kXmlDomain = "com.tanvork.velmotint";
inline constexpr const char* kBinaryDomain = "com.tanvork.velmotint.binary";
// A domain with no file at all.
inline constexpr const char* kMissingDomain = "com.tanvork.velmotint.missing";

// Makes a fresh device root, points VELMOTINT_DEVICE_ROOT at it and writes both files.
// Returns the root, or an empty string if a file could not be written.
std::string prepareSettingsRoot();

}  // namespace vm::bench
