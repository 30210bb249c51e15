// The feature flags, process-wide. Whole-byte atomics: written only by loadSettings
// (possibly on the notification thread), read by the replacements on the host's layout
// thread without a lock.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

extern std::atomic<bool> ENABLED1;
extern std::atomic<bool> ENABLED2;
extern std::atomic<bool> ENABLED3;
extern std::atomic<bool> ENABLED4;
extern std::atomic<bool> ENABLED5;
extern std::atomic<bool> ENABLED6;
extern std::atomic<bool> ENABLED7;
extern std::atomic<bool> ENABLED8;
extern std::atomic<bool> ENABLED9;
extern std::atomic<bool> ENABLED10;
extern std::atomic<bool> ENABLED11;
extern std::atomic<bool> ENABLED12;
extern std::atomic<bool> ENABLED13;
extern std::atomic<bool> ENABLED14;
extern std::atomic<bool> ENABLED15;
extern std::atomic<bool> ENABLED16;
extern std::atomic<bool> ENABLED17;
extern std::atomic<bool> ENABLED18;
extern std::atomic<bool> ENABLED19;
extern std::atomic<bool> ENABLED20;
extern std::atomic<bool> ENABLED21;
extern std::atomic<bool> ENABLED22;
extern std::atomic<bool> ENABLED23;
extern std::atomic<bool> ENABLED24;

namespace velmotint {

// A flag read at the moment it is tested; relaxed is enough, each flag stands alone.
inline bool on(const std::atomic<bool>& flag) {
  return flag.load(std::memory_order_relaxed);
}

struct FeatureFlag {
  const char* key;  // the settings file's key, "ENABLED1" ...
  std::atomic<bool>* flag;
};

// Every flag in key order, as loadSettings walks them. Constant, so that what only needs a
// flag's number (a host reading the hook list) can take it without linking the flags.
inline constexpr std::array<FeatureFlag, 24> kFeatureFlags{{
    {"ENABLED1", &ENABLED1},   {"ENABLED2", &ENABLED2},   {"ENABLED3", &ENABLED3},
    {"ENABLED4", &ENABLED4},   {"ENABLED5", &ENABLED5},   {"ENABLED6", &ENABLED6},
    {"ENABLED7", &ENABLED7},   {"ENABLED8", &ENABLED8},   {"ENABLED9", &ENABLED9},
    {"ENABLED10", &ENABLED10}, {"ENABLED11", &ENABLED11}, {"ENABLED12", &ENABLED12},
    {"ENABLED13", &ENABLED13}, {"ENABLED14", &ENABLED14}, {"ENABLED15", &ENABLED15},
    {"ENABLED16", &ENABLED16}, {"ENABLED17", &ENABLED17}, {"ENABLED18", &ENABLED18},
    {"ENABLED19", &ENABLED19}, {"ENABLED20", &ENABLED20}, {"ENABLED21", &ENABLED21},
    {"ENABLED22", &ENABLED22}, {"ENABLED23", &ENABLED23}, {"ENABLED24", &ENABLED24},
}};

// Every flag's key in order, without the flags themselves.
inline constexpr auto kFlagKeys = [] {
  std::array<const char*, kFeatureFlags.size()> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = kFeatureFlags[i].key;
  return keys;
}();

// The n of the flag "ENABLEDn" at `flag`; 0 for no flag.
constexpr int flagNumber(const std::atomic<bool>* flag) {
  for (std::size_t i = 0; i < kFeatureFlags.size(); ++i)
    if (kFeatureFlags[i].flag == flag) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace velmotint
