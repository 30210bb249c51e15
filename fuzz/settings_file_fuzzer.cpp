// Settings-file bytes as anything may leave them: written where the tweak reads its
// settings, then the flag reload and a colour lookup, as a settings-changed notification
// and the next layout would do. Neither may end the process, and an unreadable file must
// leave every flag as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bridge/device_path.h"
#include "bridge/foundation.h"
#include "colour/colour.h"
#include "fuzz/fuzz_support.h"
#include "tweak/feature_flags.h"
#include "tweak/settings.h"
#include "tweak/settings_keys.h"

namespace {

std::string gSettingsFile;

unsigned flagBits() {
  unsigned bits = 0;
  for (size_t i = 0; i < velmotint::kFeatureFlags.size(); ++i)
    if (velmotint::on(*velmotint::kFeatureFlags[i].flag)) bits |= 1u << i;
  return bits;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A device root of the run's own unless one is given (scripts/fuzz.sh gives one).
  if (std::getenv(vm::kDeviceRootVariable) == nullptr) {
    static std::string root = std::filesystem::temp_directory_path() /
                              ("velmotint-fuzz-" + std::to_string(getpid()));
    setenv(vm::kDeviceRootVariable, root.c_str(), 1);
  }
  gSettingsFile = vm::hostPath(velmotint::kSettingsPath);
  std::filesystem::create_directories(std::filesystem::path(gSettingsFile).parent_path());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vm::AutoreleasePool pool;
  // Alternate the flags' starting state, so a reload that wrongly clears or sets them shows.
  static bool start = false;
  start = !start;
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(start);
  const unsigned before = flagBits();

  std::FILE* file = std::fopen(gSettingsFile.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  loadSettings();
  id dictionary = vm::copyDictionaryAtPath(vm::nsString(gSettingsFile));
  // Nothing readable: every flag as it was.
  if (dictionary == nil) vm::fuzz::require(flagBits() == before, "unreadable file kept flags");
  vm::release(dictionary);
  id colour = colorFromDefaultsWithKey(vm::nsString(velmotint::kSettingsDomain),
                                       vm::nsString("vmColor1"),
                                       vm::nsString(velmotint::kFallbackColour));
  vm::fuzz::require(colour != nil, "a colour for every file");
  return 0;
}
