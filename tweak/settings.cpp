#include "tweak/settings.h"

#include "bridge/foundation.h"
#include "settings_store/settings_domain.h"
#include "tweak/feature_flags.h"
#include "tweak/flag_value.h"

using velmotint::kFeatureFlags;

void applySettings(id settings) {
  if (settings == nil) return;
  for (const velmotint::FeatureFlag& entry : kFeatureFlags) {
    id value = vm::send<id>(settings, vm::sel::objectForKey_, vm::nsString(entry.key));
    if (std::optional<bool> truth = velmotint::flagValue(value))
      entry.flag->store(*truth, std::memory_order_relaxed);
  }
}

void loadSettings() {
  // The notification thread has no pool of its own; start-up may not either.
  vm::AutoreleasePool pool;
  // The same snapshot the colour lookups use: a notification for an unchanged file costs
  // one stat.
  vm::SettingsSnapshotRef settings = vm::SettingsDomain::velmotint().current();
  applySettings(settings ? settings->dictionary() : nil);
}

void loadSettings(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef) {
  loadSettings();
}

void initSettings() {
  // Coalesce: a burst of changes needs one reload.
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
                                  static_cast<void (*)(CFNotificationCenterRef, void*, CFStringRef,
                                                       const void*, CFDictionaryRef)>(loadSettings),
                                  CFSTR(VM_VELMOTINT_SETTINGS_CHANGED), nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  loadSettings();
}
