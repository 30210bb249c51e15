#include "hosts/springboard/tweak_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "bridge/foundation.h"
#include "linux_only/device_path.h"
#include "linux_only/property_list_files.h"

namespace springboard {
namespace {

bool arrayContainsString(id array, const std::string& wanted) {
  if (!vm::isKindOf(array, vm::cls::NSArray)) return false;
  NSUInteger count = vm::send<NSUInteger>(array, vm::sel::count);
  for (NSUInteger i = 0; i < count; ++i) {
    id item = vm::send<id>(array, vm::sel::objectAtIndex_, i);
    if (vm::isString(item) && vm::stdString(item) == wanted) return true;
  }
  return false;
}

}  // namespace

bool filterSelects(void* filterDictionary, const std::string& bundleIdentifier,
                   const std::string& executableName) {
  id plist = static_cast<id>(filterDictionary);
  id filter = vm::send<id>(plist, vm::sel::objectForKey_, vm::nsString("Filter"));
  if (!vm::isKindOf(filter, vm::cls::NSDictionary)) return false;
  id bundles = vm::send<id>(filter, vm::sel::objectForKey_, vm::nsString("Bundles"));
  id executables = vm::send<id>(filter, vm::sel::objectForKey_, vm::nsString("Executables"));
  return arrayContainsString(bundles, bundleIdentifier) ||
         arrayContainsString(executables, executableName);
}

std::vector<LoadedTweak> loadTweaks(const std::string& bundleIdentifier,
                                    const std::string& executableName) {
  namespace fs = std::filesystem;
  std::vector<fs::path> libraries;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(vm::hostPath(kSubstrateFolder), ec)) {
    if (entry.path().extension() == ".dylib") libraries.push_back(entry.path());
  }
  std::sort(libraries.begin(), libraries.end());

  std::vector<LoadedTweak> loaded;
  for (const fs::path& library : libraries) {
    vm::AutoreleasePool pool;
    fs::path filterPath = library;
    filterPath.replace_extension(".plist");
    // A library without a filter list is never loaded: it would go into every process.
    id filter = vm::copyDictionaryAtPath(filterPath.string());
    bool selected = filter != nil && filterSelects(filter, bundleIdentifier, executableName);
    vm::release(filter);
    if (!selected) continue;

    LoadedTweak tweak;
    tweak.path = library.string();
    // Only a regular file: opening a FIFO named like a tweak would wait for a writer.
    if (!std::filesystem::is_regular_file(library, ec)) {
      tweak.error = "not a regular file";
      loaded.push_back(std::move(tweak));
      continue;
    }
    // Each tweak in a scope of its own, as each image binds to its own symbols on the
    // device: a copy staged under a second name must reach its own hook rows and slots,
    // not those of the copy loaded first.
    tweak.handle = dlopen(tweak.path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (tweak.handle == nullptr) {
      const char* error = dlerror();
      tweak.error = error != nullptr ? error : "unknown error";
    }
    loaded.push_back(std::move(tweak));
  }
  return loaded;
}

}  // namespace springboard
