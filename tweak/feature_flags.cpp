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

namespace velmotint {

const std::array<FeatureFlag, 24> kFeatureFlags{{
    {"ENABLED1", &ENABLED1},   {"ENABLED2", &ENABLED2},   {"ENABLED3", &ENABLED3},
    {"ENABLED4", &ENABLED4},   {"ENABLED5", &ENABLED5},   {"ENABLED6", &ENABLED6},
    {"ENABLED7", &ENABLED7},   {"ENABLED8", &ENABLED8},   {"ENABLED9", &ENABLED9},
    {"ENABLED10", &ENABLED10}, {"ENABLED11", &ENABLED11}, {"ENABLED12", &ENABLED12},
    {"ENABLED13", &ENABLED13}, {"ENABLED14", &ENABLED14}, {"ENABLED15", &ENABLED15},
    {"ENABLED16", &ENABLED16}, {"ENABLED17", &ENABLED17}, {"ENABLED18", &ENABLED18},
    {"ENABLED19", &ENABLED19}, {"ENABLED20", &ENABLED20}, {"ENABLED21", &ENABLED21},
    {"ENABLED22", &ENABLED22}, {"ENABLED23", &ENABLED23}, {"ENABLED24", &ENABLED24},
}};

}  // namespace velmotint
