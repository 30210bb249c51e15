#include "bench/settings_fixture.h"

#include <stdlib.h>

#include <filesystem>

#include "bridge/foundation.h"
#include "linux_only/device_path.h"
#include "linux_only/property_list_files.h"
#include "settings_store/settings_domain.h"

namespace vm::bench {
namespace {

constexpr NSUInteger kBinaryFormat = 200;

std::string settingsPath(const char* domain) {
  return SettingsDomain::named(domain).hostPath();
}

id fullSettings() {
  id settings = send<id>(cls::NSMutableDictionary.get(), sel::dictionary);
  for (int i = 1; i <= 24; ++i) {
    id flag = send<id>(cls::NSNumber.get(), sel::numberWithBool_, static_cast<BOOL>(i % 2));
    send<void>(settings, sel::setObject_forKey_, flag, nsString("ENABLED" + std::to_string(i)));
  }
  const char* colours[] = {"#33cc99:0.8", "#ff0000:0.5", "#0af",
                           "a1b2c3",      "#a1a1a1:1.0", "#123456:0.25"};
  for (int i = 1; i <= 6; ++i)
    send<void>(settings, sel::setObject_forKey_, nsString(colours[i - 1]),
               nsString("vmColor" + std::to_string(i)));
  return settings;
}

}  // namespace

std::string prepareSettingsRoot() {
  AutoreleasePool pool;
  std::string root = (std::filesystem::temp_directory_path() / "vm-bench-XXXXXX").string();
  if (mkdtemp(root.data()) == nullptr) return std::string();
  setenv(kDeviceRootVariable, root.c_str(), 1);
  std::filesystem::create_directories(
      std::filesystem::path(settingsPath(kXmlDomain)).parent_path());

  id settings = fullSettings();
  if (!writeDictionaryAtPath(settings, nsString(settingsPath(kXmlDomain)))) return std::string();
  id binary = send<id>(cls::NSPropertyListSerialization.get(),
                       sel::dataWithPropertyList_format_options_error_, settings, kBinaryFormat,
                       NSUInteger{0}, static_cast<id*>(nullptr));
  if (send<BOOL>(binary, sel::writeToFile_atomically_, nsString(settingsPath(kBinaryDomain)),
                 static_cast<BOOL>(YES)) == NO)
    return std::string();
  return root;
}

}  // namespace vm::bench
