// The feature flags, process-wide. Whole-byte atomics: written only by loadSettings
// (possibly on the notification thread), read by the replacements on the host's layout
// thread without a lock.
#pragma once

#include <array>
#include <atomic>

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

// Every flag in key order, as loadSettings walks them.
extern const std::array<FeatureFlag, 24> kFeatureFlags;

}  // namespace velmotint
