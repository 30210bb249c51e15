// The feature flags, process-wide. Whole-byte atomics: written only by loadSettings
// (possibly on the notification thread), read by the replacements on the host's layout
// thread without a lock.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

// The flags' numbers: ENABLED1 ... ENABLED24, each named once here.
#define VM_FEATURE_FLAG_NUMBERS(X)                                                              \
  X(1)                                                                                          \
  X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) X(18) \
      X(19) X(20) X(21) X(22) X(23) X(24)

#define VM_DECLARE_FEATURE_FLAG(n) extern std::atomic<bool> ENABLED##n;
VM_FEATURE_FLAG_NUMBERS(VM_DECLARE_FEATURE_FLAG)
#undef VM_DECLARE_FEATURE_FLAG

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
#define VM_FEATURE_FLAG_ENTRY(n) {"ENABLED" #n, &ENABLED##n},
inline constexpr std::array<FeatureFlag, 24> kFeatureFlags{
    {VM_FEATURE_FLAG_NUMBERS(VM_FEATURE_FLAG_ENTRY)}};
#undef VM_FEATURE_FLAG_ENTRY

// Every flag's key in order, without the flags themselves.
inline constexpr auto kFlagKeys = [] {
  std::array<const char*, kFeatureFlags.size()> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = kFeatureFlags[i].key;
  return keys;
}();

// The n of ENABLEDn, for a flag named as a template argument (as the hook rows name theirs).
// A match on the argument rather than a compare of addresses, which is no constant where
// the sanitizers instrument globals.
template <std::atomic<bool>& Flag>
inline constexpr int kFlagNumber = 0;
#define VM_FEATURE_FLAG_NUMBER(n) \
  template <>                     \
  inline constexpr int kFlagNumber<ENABLED##n> = n;
VM_FEATURE_FLAG_NUMBERS(VM_FEATURE_FLAG_NUMBER)
#undef VM_FEATURE_FLAG_NUMBER

}  // namespace velmotint
