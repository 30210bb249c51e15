#include "colour/domain_name.h"

#include <atomic>
#include <string_view>

#include "bridge/foundation.h"
#include "settings_store/settings_domain.h"

namespace vm::colour {
namespace {

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

}  // namespace

std::string domainName(id domain) {
  // Written out here rather than by -stringWithFormat:, whose variadic implementation
  // would have to be called through a fixed signature.
  return domain == nil ? std::string("(null)") : stdString(send<id>(domain, sel::description));
}

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

}  // namespace vm::colour
