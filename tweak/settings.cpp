#include "tweak/settings.h"

#include "bridge/foundation.h"
#include "tweak/feature_flags.h"
#include "tweak/flag_value.h"
#include "tweak/settings_keys.h"

using velmotint::kFeatureFlags;

void loadSettings() {
  // The notification thread has no pool of its own; start-up may not either.
  vm::AutoreleasePool pool;
  id settings = vm::copyDictionaryAtPath(velmotint::host::filePath(velmotint::kSettingsPath));
  if (settings != nil) {
    for (const velmotint::FeatureFlag& entry : kFeatureFlags) {
      id value = vm::send<id>(settings, vm::sel::objectForKey_, vm::nsString(entry.key));
      if (std::optional<bool> truth = velmotint::flagValue(value))
        entry.flag->store(*truth, std::memory_order_relaxed);
    }
  }
  vm::release(settings);
}

void loadSettings(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
  loadSettings();
}

void initSettings() {
  // Coalesce: a burst of changes needs one reload.
  CFNotificationCenterAddObserver(
      CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
      static_cast<void (*)(CFNotificationCenterRef, void*, CFStringRef, const void*,
                           CFDictionaryRef)>(loadSettings),
      CFSTR("com.tanvork.velmotint/settingschanged"), nullptr,
      CFNotificationSuspensionBehaviorCoalesce);
  loadSettings();
}
