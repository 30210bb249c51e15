#include "hosts/springboard/tweak_state.h"

#include <dlfcn.h>

#include <cstdlib>
#include <cstring>

#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "linux_only/tweak_report.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

// colorFromDefaultsWithKey(id, id, id) has C++ linkage in both deliverables, so its
// exported name is the mangled one.
constexpr const char* kColourLookupSymbol = "_Z24colorFromDefaultsWithKeyP11objc_objectS0_S0_";
using ColourLookup = id (*)(id, id, id);

// The n of "ENABLEDn".
int flagNumber(const char* key) {
  return std::atoi(key + std::strlen("ENABLED"));
}

}  // namespace

TweakState readTweakState(const std::vector<LoadedTweak>& tweaks) {
  TweakState state;
  state.colours.resize(velmotint::kColourKeys.size());
  for (const LoadedTweak& tweak : tweaks) {
    if (tweak.handle == nullptr) continue;
    std::optional<std::vector<VelmotintFlagInfo>> flags = vm::loadedFlags(tweak.handle);
    if (!flags) continue;
    state.found = true;
    for (const VelmotintFlagInfo& flag : *flags)
      if (flag.on) state.on.push_back(flagNumber(flag.key));
    auto lookup = reinterpret_cast<ColourLookup>(dlsym(tweak.handle, kColourLookupSymbol));
    if (lookup != nullptr) {
      vm::AutoreleasePool pool;
      for (std::size_t i = 0; i < velmotint::kColourKeys.size(); ++i) {
        id key = vm::nsString(velmotint::kColourKeys[i]);
        state.colours[i] = coloursOf(lookup(vm::nsString(velmotint::kSettingsDomain), key,
                                            vm::nsString(velmotint::kFallbackColour)));
      }
    }
    break;
  }
  return state;
}

}  // namespace springboard
