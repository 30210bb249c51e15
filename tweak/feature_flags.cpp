#include "tweak/feature_flags.h"

static_assert(sizeof(std::atomic<bool>) == 1 && std::atomic<bool>::is_always_lock_free,
              "each feature flag must be one whole byte");

std::atomic<bool> ENABLED1{false};
std::atomic<bool> ENABLED2{false};
std::atomic<bool> ENABLED3{false};
std::atomic<bool> ENABLED4{false};
std::atomic<bool> ENABLED5{false};
std::atomic<bool> ENABLED6{false};
std::atomic<bool> ENABLED7{false};
std::atomic<bool> ENABLED8{false};
std::atomic<bool> ENABLED9{false};
std::atomic<bool> ENABLED10{false};
std::atomic<bool> ENABLED11{false};
std::atomic<bool> ENABLED12{false};
std::atomic<bool> ENABLED13{false};
std::atomic<bool> ENABLED14{false};
std::atomic<bool> ENABLED15{false};
std::atomic<bool> ENABLED16{false};
std::atomic<bool> ENABLED17{false};
std::atomic<bool> ENABLED18{false};
std::atomic<bool> ENABLED19{false};
std::atomic<bool> ENABLED20{false};
std::atomic<bool> ENABLED21{false};
std::atomic<bool> ENABLED22{false};
std::atomic<bool> ENABLED23{false};
std::atomic<bool> ENABLED24{false};
