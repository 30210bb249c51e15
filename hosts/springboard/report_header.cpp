#include "hosts/springboard/report_header.h"

#include <cstdio>
#include <filesystem>

#include "bridge/foundation.h"
#include "hosts/start/terminal_text.h"
#include "linux_only/device_path.h"
#include "linux_only/property_list_files.h"
#include "settings_store/property_list.h"
#include "settings_store/settings_domain.h"
#include "tweak/settings_keys.h"

namespace springboard {
namespace {

std::string fileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string settingsLines(const SettingsFile& settings) {
  using State = SettingsFile::State;
  std::string text = "settings file: " + settings.path;
  switch (settings.state) {
    case State::kRead:
      return text + " (read)\n";
    case State::kMissing:
      return text + " (missing)\n" +
             "warning: there is no settings file; the flags keep the values they had (off at "
             "start) and colours fall back to " +
             velmotint::kFallbackColour + "\n";
    case State::kUnreadable:
      return text + " (unreadable)\n" +
             "warning: the settings file is not a readable property list of a dictionary; "
             "the flags keep the values they had and colours fall back to " +
             velmotint::kFallbackColour + "\n";
    case State::kTooLarge:
      return text + " (too large)\n" + "warning: the settings file is too large to read (" +
             settings.oversize + "); the flags keep the values they had and colours fall back to " +
             velmotint::kFallbackColour + "\n";
  }
  return text + "\n";
}

std::string colourLines(const TweakState& tweak, const SettingsFile& settings,
                        const TextStyle& style) {
  std::string text = "colours:\n";
  for (std::size_t i = 0; i < velmotint::kColourKeys.size(); ++i) {
    const std::string& stored = settings.colours[i];
    char line[160];
    std::snprintf(line, sizeof line, "  %s  %-22s", velmotint::kColourKeys[i],
                  stored.empty() ? "(not set)" : vm::host::terminalText(stored).c_str());
    text += line;
    const std::optional<Colour>& used = tweak.colours[i];
    if (used) {
      text += colourText(*used);
      if (style.swatches) text += " " + swatch(*used, style);
    }
    // Trailing blanks would follow a colour the tweak cannot tell.
    while (!text.empty() && text.back() == ' ') text.pop_back();
    text += "\n";
  }
  return text;
}

std::string tweakLines(const std::vector<LoadedTweak>& tweaks) {
  std::string names, failures;
  int loaded = 0;
  for (const LoadedTweak& tweak : tweaks) {
    if (tweak.handle != nullptr) {
      names += (loaded++ ? ", " : "") + fileName(tweak.path);
    } else {
      failures += "  " + fileName(tweak.path) + " failed to load: " + tweak.error + "\n";
    }
  }
  std::string text = "tweaks loaded: " + std::to_string(loaded);
  if (loaded > 0) text += " (" + names + ")";
  text += "\n" + failures;
  if (tweaks.empty()) {
    text += "no tweak for SpringBoard is staged in " +
            vm::hostPath("/Library/MobileSubstrate/DynamicLibraries") +
            ": scripts/stage.sh puts Velmotint there\n";
  }
  return text;
}

}  // namespace

SettingsFile readSettingsFile() {
  vm::AutoreleasePool pool;
  SettingsFile settings;
  settings.path = vm::SettingsDomain::velmotint().hostPath();
  settings.colours.resize(velmotint::kColourKeys.size());
  std::error_code ec;
  if (!std::filesystem::exists(settings.path, ec)) return settings;
  id values = vm::copyDictionaryAtPath(settings.path);
  settings.state = values != nil ? SettingsFile::State::kRead : SettingsFile::State::kUnreadable;
  if (values == nil) settings.oversize = vm::oversizeText(settings.path, vm::kMaxPropertyListBytes);
  if (!settings.oversize.empty()) settings.state = SettingsFile::State::kTooLarge;
  for (std::size_t i = 0; i < velmotint::kColourKeys.size(); ++i) {
    id key = vm::nsString(velmotint::kColourKeys[i]);
    id stored = vm::send<id>(values, vm::sel::objectForKey_, key);
    if (vm::isString(stored)) settings.colours[i] = vm::stdString(stored);
  }
  vm::release(values);
  return settings;
}

std::string headerText(const std::vector<LoadedTweak>& tweaks, const TweakState& tweak,
                       const SettingsFile& settings, const HookListing& hooks,
                       const TextStyle& style) {
  std::string text = "device root: " + vm::deviceRoot() + "\n";
  text += settingsLines(settings);
  if (tweak.found) {
    std::string on;
    for (int n : tweak.on) on += (on.empty() ? "ENABLED" : ", ENABLED") + std::to_string(n);
    text += "flags on: " + (on.empty() ? std::string("none") : on) + "\n";
  } else {
    text += "flags on: none (the tweak is not loaded)\n";
  }
  text += colourLines(tweak, settings, style);
  text += tweakLines(tweaks);
  text += "hooks installed: " + std::to_string(hooks.installed) +
          ", skipped: " + std::to_string(hooks.skipped) + "\n";
  text += hooks.skippedText;
  return text;
}

}  // namespace springboard
