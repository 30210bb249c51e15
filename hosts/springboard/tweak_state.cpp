#include "hosts/springboard/tweak_state.h"

#include <dlfcn.h>

#include <atomic>

#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

// colorFromDefaultsWithKey(id, id, id) has C++ linkage in both deliverables, so its
// exported name is the mangled one.
constexpr const char* kColourLookupSymbol = "_Z24colorFromDefaultsWithKeyP11objc_objectS0_S0_";
using ColourLookup = id (*)(id, id, id);

}  // namespace

TweakState readTweakState(const std::vector<LoadedTweak>& tweaks) {
  TweakState state;
  state.colours.resize(6);
  for (const LoadedTweak& tweak : tweaks) {
    if (tweak.handle == nullptr || dlsym(tweak.handle, "ENABLED1") == nullptr) continue;
    state.found = true;
    for (int n = 1; n <= 24; ++n) {
      std::string name = "ENABLED" + std::to_string(n);
      auto* flag = static_cast<std::atomic<bool>*>(dlsym(tweak.handle, name.c_str()));
      if (flag != nullptr && flag->load(std::memory_order_relaxed)) state.on.push_back(n);
    }
    auto lookup = reinterpret_cast<ColourLookup>(dlsym(tweak.handle, kColourLookupSymbol));
    if (lookup != nullptr) {
      vm::AutoreleasePool pool;
      for (int n = 1; n <= 6; ++n) {
        id key = vm::nsString("vmColor" + std::to_string(n));
        state.colours[n - 1] = coloursOf(lookup(vm::nsString(velmotint::kSettingsDomain), key,
                                                vm::nsString(velmotint::kFallbackColour)));
      }
    }
    break;
  }
  return state;
}

}  // namespace springboard
