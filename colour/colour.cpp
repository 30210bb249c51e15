#include "colour/colour.h"

#include <atomic>
#include <string>
#include <string_view>

#include "bridge/foundation.h"
#include "colour/colour_string.h"
#include "settings_store/settings_domain.h"

namespace vm::colour {
namespace {

// The domain's text as "%@" writes an object: its description, "(null)" for nil. Written
// out here rather than by -stringWithFormat:, whose variadic implementation would have to
// be called through a fixed signature.
std::string domainName(id domain) {
  return domain == nil ? std::string("(null)") : stdString(send<id>(domain, sel::description));
}

// The domain `domain` names, read from its text; `last` is the domain found the time before.
SettingsDomain& domainByText(id domain, SettingsDomain* last) {
  char bytes[kShortTextUnits];
  const long length =
      domain == nil ? -1 : shortAsciiText(send<id>(domain, sel::description), bytes);
  if (length < 0) return SettingsDomain::named(domainName(domain));
  const std::string_view name(bytes, static_cast<size_t>(length));
  if (last != nullptr && last->name() == name) return *last;
  return SettingsDomain::named(std::string(name));
}

// The settings domain `domain` names. The last domain found is kept, and known again by
// the immutable string object it was named by or else by its bytes, so the usual lookup of
// one domain again and again builds no string and takes no lock.
SettingsDomain& settingsDomainFor(id domain) {
  // Domains live as long as the process, so a pointer to one stays valid.
  static std::atomic<SettingsDomain*> last{nullptr};
  SettingsDomain* known = last.load(std::memory_order_acquire);
  if (known != nullptr && known->isNamedBy(domain)) return *known;
  SettingsDomain& found = domainByText(domain, known);
  found.rememberName(domain);
  if (&found != known) last.store(&found, std::memory_order_release);
  return found;
}

}  // namespace
}  // namespace vm::colour

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
