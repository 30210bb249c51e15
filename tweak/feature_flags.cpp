#include "tweak/feature_flags.h"

static_assert(sizeof(std::atomic<bool>) == 1 && std::atomic<bool>::is_always_lock_free,
              "each feature flag must be one whole byte");

#define VM_DEFINE_FEATURE_FLAG(n) std::atomic<bool> ENABLED##n{false};
VM_FEATURE_FLAG_NUMBERS(VM_DEFINE_FEATURE_FLAG)
