#include "colour/domain_name.h"

#include "bridge/foundation.h"

namespace vm::colour {

std::string domainName(id domain) {
  // Written out here rather than by -stringWithFormat:, whose variadic implementation
  // would have to be called through a fixed signature.
  return domain == nil ? std::string("(null)") : stdString(send<id>(domain, sel::description));
}

}  // namespace vm::colour
