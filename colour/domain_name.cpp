#include "colour/domain_name.h"

#include <atomic>
#include <string_view>

#include "bridge/foundation.h"
#include "bridge/settings_domain.h"

namespace vm::colour {

std::string domainName(id domain) {
  // Written out here rather than by -stringWithFormat:, whose variadic implementation
  // would have to be called through a fixed signature.
  return domain == nil ? std::string("(null)") : stdString(send<id>(domain, sel::description));
}

SettingsDomain& settingsDomainFor(id domain) {
  // Domains live as long as the process, so a pointer to one stays valid.
  static std::atomic<SettingsDomain*> last{nullptr};
  char bytes[kShortTextUnits];
  const long length =
      domain == nil ? -1 : shortAsciiText(send<id>(domain, sel::description), bytes);
  if (length < 0) return SettingsDomain::named(domainName(domain));
  const std::string_view name(bytes, static_cast<size_t>(length));
  SettingsDomain* known = last.load(std::memory_order_acquire);
  if (known != nullptr && known->name() == name) return *known;
  SettingsDomain& found = SettingsDomain::named(std::string(name));
  last.store(&found, std::memory_order_release);
  return found;
}

}  // namespace vm::colour
