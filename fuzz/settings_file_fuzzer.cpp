// Settings-file bytes as anything may leave them, through the one property-list reader,
// the flag reload and the colour parse, as a settings-changed notification and the next
// layout would take them. Nothing may end the process, and bytes the reader refuses must
// leave every flag as it was.
#include <cstdint>

#include "bridge/foundation.h"
#include "colour/colour_string.h"
#include "fuzz/fuzz_support.h"
#include "settings_store/property_list.h"
#include "tweak/feature_flags.h"
#include "tweak/settings.h"

namespace {

unsigned flagBits() {
  unsigned bits = 0;
  for (size_t i = 0; i < velmotint::kFeatureFlags.size(); ++i)
    if (velmotint::on(*velmotint::kFeatureFlags[i].flag)) bits |= 1u << i;
  return bits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vm::AutoreleasePool pool;
  // Alternate the flags' starting state, so a reload that wrongly clears or sets them shows.
  static bool start = false;
  start = !start;
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(start);
  const unsigned before = flagBits();

  id settings = vm::copyDictionaryFromBytes(data, size, vm::Containers::kMutable);
  applySettings(settings);
  if (settings == nil) vm::fuzz::require(flagBits() == before, "unreadable bytes kept flags");
  for (const char* key : {"vmColor1", "vmColor6"}) {
    id stored = vm::send<id>(settings, vm::sel::objectForKey_, vm::nsString(key));
    if (vm::isString(stored))
      vm::fuzz::require(vm::colour::colourFromColourString(stored) != nil, "a stored colour");
  }
  vm::release(settings);
  return 0;
}
