#include "hosts/settings/pane_loader.h"

#include <algorithm>
#include <filesystem>

#include "bridge/foundation.h"
#include "linux_only/device_path.h"
#include "linux_only/property_list_files.h"
#include "standins/preferences/preferences.h"

namespace settings {
namespace {

std::string stringFor(id dictionary, const char* key) {
  id value = vm::send<id>(dictionary, vm::sel::objectForKey_, vm::nsString(key));
  return vm::isString(value) ? vm::stdString(value) : std::string();
}

}  // namespace

std::vector<PaneEntry> paneEntries() {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& item : fs::directory_iterator(vm::hostPath(kLoaderEntryFolder), ec)) {
    if (item.path().extension() == ".plist") files.push_back(item.path());
  }
  std::sort(files.begin(), files.end());

  std::vector<PaneEntry> entries;
  for (const fs::path& file : files) {
    vm::AutoreleasePool pool;
    id plist = vm::copyDictionaryAtPath(vm::nsString(file.string()));
    id entry = vm::send<id>(plist, vm::sel::objectForKey_, vm::nsString("entry"));
    PaneEntry pane{file.string(), stringFor(entry, "label"), stringFor(entry, "bundle")};
    vm::release(plist);
    if (pane.bundle.empty()) continue;
    if (pane.label.empty()) pane.label = pane.bundle;
    entries.push_back(pane);
  }
  return entries;
}

Class loadPaneClass(const PaneEntry& entry, std::string* error) {
  std::string directory = vm::hostPath(std::string(kBundleFolder) + "/" + entry.bundle + ".bundle");
  vm::preferences::LoadedBundle loaded = vm::preferences::loadBundle(directory);
  if (loaded.principalClass == nullptr) *error = loaded.error;
  return loaded.principalClass;
}

}  // namespace settings
