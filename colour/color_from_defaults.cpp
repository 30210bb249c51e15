#include "bridge/device_path.h"
#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/colour_string.h"
#include "colour/settings_path.h"

id colorFromDefaultsWithKey(id domain, id key, id fallback) {
  // Read afresh on every call: the Settings application changes the file behind our back
  // and no notification is sent for colours.
  id settings =
      vm::copyDictionaryAtPath(vm::nsString(vm::hostPath(vm::colour::settingsDevicePath(domain))));
  // The fallback is parsed on every call, also when the stored value wins; a fallback that
  // is not a string reads as the empty one.
  id fallbackColour = vm::colour::colourFromColourString(vm::isString(fallback) ? fallback : nil);
  id stored =
      (settings != nil && key != nil) ? vm::send<id>(settings, vm::sel::objectForKey_, key) : nil;
  // Anything but a string (number, boolean, data, date, array, dictionary) would raise
  // inside the host at the first string message: it counts as absent.
  id colour = vm::isString(stored) ? vm::colour::colourFromColourString(stored) : fallbackColour;
  // The stored string belongs to the dictionary: parse before letting it go.
  vm::release(settings);
  return colour;
}
