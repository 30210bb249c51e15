#include "tests/support/device_root.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "linux_only/device_path.h"

namespace vm::test {

void DeviceRootTest::SetUp() {
  std::string templ = (std::filesystem::temp_directory_path() / "vm-root-XXXXXX").string();
  ASSERT_NE(mkdtemp(templ.data()), nullptr);
  root_ = templ;
  setenv(kDeviceRootVariable, root_.c_str(), 1);
}

void DeviceRootTest::TearDown() {
  std::error_code ignored;
  if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
}

void DeviceRootTest::writeFile(const std::string& devicePath, const std::string& contents) const {
  std::filesystem::path file = path(devicePath);
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << contents;
}

void DeviceRootTest::writeSettings(const std::string& body) const {
  writeFile(kSettingsFile, xmlPlist(body));
}

void DeviceRootTest::stageTweak(const std::string& builtTweakDir) const {
  std::filesystem::path tweaks = path("/Library/MobileSubstrate/DynamicLibraries");
  std::filesystem::create_directories(tweaks);
  for (const char* file : {"Velmotint.dylib", "Velmotint.plist"})
    std::filesystem::copy_file(builtTweakDir + "/" + file, tweaks / file);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string xmlPlist(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
         "<plist version=\"1.0\">\n<dict>\n" +
         body + "\n</dict>\n</plist>\n";
}

std::string boolEntry(const std::string& key, bool value) {
  return "<key>" + key + "</key>" + (value ? "<true/>" : "<false/>");
}

std::string stringEntry(const std::string& key, const std::string& value) {
  return "<key>" + key + "</key><string>" + value + "</string>";
}

}  // namespace vm::test
