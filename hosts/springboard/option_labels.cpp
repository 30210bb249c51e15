#include "hosts/springboard/option_labels.h"

#include <cstdio>
#include <filesystem>

#include "bridge/foundation.h"
#include "hosts/start/terminal_text.h"
#include "linux_only/device_path.h"
#include "linux_only/property_list_files.h"
#include "tweak/feature_flags.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

constexpr const char* kPaneBundle = "/Library/PreferenceBundles/velmotintPrefs.bundle";

// A row's key: its own, or for a colour-picker cell the one in its "libcolorpicker" dictionary.
id rowKey(id row) {
  id key = vm::send<id>(row, vm::sel::objectForKey_, vm::nsString("key"));
  if (key != nil) return key;
  id picker = vm::send<id>(row, vm::sel::objectForKey_, vm::nsString("libcolorpicker"));
  if (!vm::isKindOf(picker, vm::cls::NSDictionary)) return nil;
  return vm::send<id>(picker, vm::sel::objectForKey_, vm::nsString("key"));
}

// The rows of one specifier list that store a value under a key, with their labels.
void readList(const std::filesystem::path& file, OptionLabels& labels) {
  id list = vm::copyDictionaryAtPath(vm::nsString(file.string()));
  id items = vm::send<id>(list, vm::sel::objectForKey_, vm::nsString("items"));
  if (vm::isKindOf(items, vm::cls::NSArray)) {
    NSUInteger count = vm::send<NSUInteger>(items, vm::sel::count);
    for (NSUInteger i = 0; i < count; ++i) {
      id row = vm::send<id>(items, vm::sel::objectAtIndex_, i);
      if (!vm::isKindOf(row, vm::cls::NSDictionary)) continue;
      id key = rowKey(row);
      id label = vm::send<id>(row, vm::sel::objectForKey_, vm::nsString("label"));
      if (vm::isString(key) && vm::isString(label))
        // The lists are files anyone may edit; their text reaches the terminal.
        labels[vm::host::terminalText(vm::stdString(key))] =
            vm::host::terminalText(vm::stdString(label));
    }
  }
  vm::release(list);
}

// The labels of every specifier list in the pane bundle at `bundle`.
OptionLabels labelsIn(const std::filesystem::path& bundle) {
  vm::AutoreleasePool pool;
  OptionLabels labels;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(bundle, ec)) {
    if (entry.path().extension() == ".plist" && entry.path().filename() != "Info.plist")
      readList(entry.path(), labels);
  }
  return labels;
}

}  // namespace

OptionLabels stagedOptionLabels() {
  return labelsIn(vm::hostPath(kPaneBundle));
}

OptionLabels paneOptionLabels() {
  OptionLabels labels = stagedOptionLabels();
  return labels.empty() ? labelsIn(VM_BUILT_PANE) : labels;
}

std::string optionName(const OptionLabels& labels, const std::string& key) {
  auto found = labels.find(key);
  return found == labels.end() ? key : found->second + " (" + key + ")";
}

std::string flagNames(const OptionLabels& labels, const std::vector<int>& on) {
  std::string text;
  for (int n : on)
    text += (text.empty() ? "" : ", ") + optionName(labels, "ENABLED" + std::to_string(n));
  return text.empty() ? "none" : text;
}

std::string optionLegend(const OptionLabels& labels) {
  if (labels.empty()) return "";
  std::string text = "\nOptions, as the Settings pane names them\n";
  auto line = [&](const std::string& key) {
    auto found = labels.find(key);
    if (found == labels.end()) return;
    char row[160];
    std::snprintf(row, sizeof row, "  %-10s %s\n", key.c_str(), found->second.c_str());
    text += row;
  };
  for (const char* key : velmotint::kFlagKeys) line(key);
  for (const char* key : velmotint::kColourKeys) line(key);
  return text;
}

}  // namespace springboard
