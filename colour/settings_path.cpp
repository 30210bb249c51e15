#include "colour/settings_path.h"

#include "bridge/foundation.h"

namespace vm::colour {
namespace {

constexpr const char* kPathFormat = "/var/mobile/Library/Preferences/%@.plist";

}  // namespace

std::string settingsDevicePath(id domain) {
  // Filled in here rather than by -stringWithFormat:, whose variadic implementation would
  // have to be called through a fixed signature.
  const std::string name =
      domain == nil ? std::string("(null)") : stdString(send<id>(domain, sel::description));
  std::string path = kPathFormat;
  path.replace(path.find("%@"), 2, name);
  return path;
}

}  // namespace vm::colour
