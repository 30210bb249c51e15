// Loading the feature flags from the settings file: what changes a flag, what leaves it
// alone, and that nothing the file holds can take the host down.
#include "tweak/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/support/device_root.h"
#include "tweak/feature_flags.h"
#include "tweak/flag_value.h"

namespace {

using velmotint::kFeatureFlags;

std::string flagsOn() {
  std::string on;
  for (const auto& entry : kFeatureFlags)
    if (entry.flag->load()) on += std::string(on.empty() ? "" : " ") + entry.key;
  return on;
}

using vm::test::boolEntry;
using vm::test::kSettingsFile;
using SettingsTest = vm::test::DeviceRootTest;

// No file leaves every flag off; a file turns on exactly its own keys that are true.
TEST_F(SettingsTest, OnlyTheFlagKeysPresentAreRead) {
  loadSettings();
  EXPECT_EQ(flagsOn(), "");
  writeSettings(boolEntry("ENABLED2", true) + boolEntry("ENABLED7", false) +
                "<key>vmColor1</key><string>#ff0000</string>"
                "<key>ENABLED25</key><true/><key>enabled3</key><true/>");
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED2");
  std::string body;
  for (const auto& entry : kFeatureFlags) body += boolEntry(entry.key, true);
  writeSettings(body);
  loadSettings();
  for (const auto& entry : kFeatureFlags) EXPECT_TRUE(entry.flag->load()) << entry.key;
}

TEST_F(SettingsTest, ARemovedKeyOrADeletedFileKeepsTheFlagOn) {
  writeSettings(boolEntry("ENABLED2", true) + boolEntry("ENABLED9", true));
  loadSettings();
  writeSettings(boolEntry("ENABLED9", true));
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED2 ENABLED9");
  std::filesystem::remove(path(kSettingsFile));
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED2 ENABLED9");
  // Only an explicit false turns a flag off.
  writeSettings(boolEntry("ENABLED2", false));
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED9");
}

// Whatever takes the file's place after a good load, the flags survive it untouched. What
// the reader makes of bad bytes shows in the colour lookups' test of the same files.
TEST_F(SettingsTest, BadFilesLeaveTheFlagsAsTheyWere) {
  writeSettings(boolEntry("ENABLED3", true));
  loadSettings();
  ASSERT_EQ(flagsOn(), "ENABLED3");
  writeFile(kSettingsFile, std::string("\x00\xff\xfe garbage \x01", 12));
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED3") << "garbage";
  std::filesystem::remove(path(kSettingsFile));
  std::filesystem::create_directories(path(kSettingsFile));
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED3") << "a directory in the file's place";
  std::filesystem::remove(path(kSettingsFile));
  ASSERT_EQ(mkfifo(path(kSettingsFile).c_str(), 0600), 0);
  loadSettings();  // must not block waiting for a writer
  EXPECT_EQ(flagsOn(), "ENABLED3") << "a pipe in the file's place";
}

TEST_F(SettingsTest, ValuesOfOtherTypesFollowTheirTruthOrAreIgnored) {
  struct Case {
    const char* value;  // plist XML of the value
    int expected;       // 1 on, 0 off, -1 unchanged (starts on)
  };
  const Case cases[] = {
      {"<integer>0</integer>", 0},
      {"<integer>1</integer>", 1},
      {"<integer>-3</integer>", 1},
      {"<real>0.5</real>", 1},
      {"<real>0.0</real>", 0},
      {"<string>YES</string>", 1},
      {"<string>true</string>", 1},
      {"<string>no</string>", 0},
      {"<string>0</string>", 0},
      {"<string> 007</string>", 1},
      {"<string></string>", 0},
      {"<data>AAE=</data>", -1},
      {"<date>2020-01-01T00:00:00Z</date>", -1},
      {"<array><true/></array>", -1},
      {"<dict><key>a</key><true/></dict>", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    writeSettings(boolEntry("ENABLED12", true));
    loadSettings();
    writeSettings(std::string("<key>ENABLED12</key>") + c.value);
    loadSettings();
    EXPECT_EQ(ENABLED12.load(), c.expected != 0);
  }
}

TEST(StringTruth, ReadsTheLeadingCharacterAsThePlatformDoes) {
  for (const char* text : {"Y", "t", "\t+0009", "-1"})
    EXPECT_TRUE(velmotint::stringTruth(text)) << text;
  for (const char* text : {"000", "false", "n", " ", "+"})
    EXPECT_FALSE(velmotint::stringTruth(text)) << text;
}

}  // namespace
