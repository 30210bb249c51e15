#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/colour_string.h"
#include "colour/domain_name.h"
#include "settings_store/settings_domain.h"

id colorFromDefaultsWithKey(id domain, id key, id fallback) {
  // Checked against the file on every call: the Settings application changes the file
  // behind our back and no notification is sent for colours. Only an unchanged file's
  // dictionary is reused; the strings in it are parsed afresh each time.
  vm::SettingsSnapshotRef settings = vm::colour::settingsDomainFor(domain).current();
  // The fallback is parsed on every call, also when the stored value wins; a fallback that
  // is not a string reads as the empty one.
  id fallbackColour = vm::colour::colourFromColourString(vm::isString(fallback) ? fallback : nil);
  id stored = settings ? settings->objectForKey(key) : nil;
  // Anything but a string (number, boolean, data, date, array, dictionary) would raise
  // inside the host at the first string message: it counts as absent. The stored string
  // belongs to the snapshot, which `settings` keeps alive until the colour is made.
  return vm::isString(stored) ? vm::colour::colourFromColourString(stored) : fallbackColour;
}
