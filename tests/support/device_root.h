// Each test case runs against a device root of its own, made fresh and removed after.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace vm::test {

class DeviceRootTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The host path of a device path under this case's root.
  std::string path(const std::string& devicePath) const { return root_ + devicePath; }
  const std::string& root() const { return root_; }

  // Writes `contents` to the device path, making the folders it needs.
  void writeFile(const std::string& devicePath, const std::string& contents) const;
  // Writes the tweak's settings file: an XML property list of the dictionary `body`.
  void writeSettings(const std::string& body) const;

  // Puts the built tweak and its filter where the substrate looks for tweaks.
  void stageTweak(const std::string& builtTweakDir) const;

 private:
  std::string root_;
};

// Where the tweak's settings file lives on the device.
inline const std::string kSettingsFile =
    "/var/mobile/Library/Preferences/com.tanvork.velmotint.plist";

// An XML property list of a dictionary from plain "<key>..</key><value>" body text.
std::string xmlPlist(const std::string& body);
// One entry of such a body.
std::string boolEntry(const std::string& key, bool value);
std::string stringEntry(const std::string& key, const std::string& value);

}  // namespace vm::test
