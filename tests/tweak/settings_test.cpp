// Loading the feature flags from the settings file: what changes a flag, what leaves it
// alone, and that nothing the file holds can take the host down.
#include "tweak/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "bridge/foundation.h"
#include "tests/support/device_root.h"
#include "tests/support/hostile_plists.h"
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

TEST_F(SettingsTest, NoFileLeavesEveryFlagOff) {
  loadSettings();
  EXPECT_EQ(flagsOn(), "");
}

TEST_F(SettingsTest, OnlyTheKeysPresentAreRead) {
  writeSettings(boolEntry("ENABLED2", true) + boolEntry("ENABLED7", false) +
                "<key>vmColor1</key><string>#ff0000</string>"
                "<key>ENABLED25</key><true/><key>enabled3</key><true/>");
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED2");
}

TEST_F(SettingsTest, AllTwentyFourKeysAreRead) {
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

TEST_F(SettingsTest, BinaryPropertyListsAreRead) {
  vm::AutoreleasePool pool;
  id yes = vm::send<id>(vm::cls::NSNumber.get(), vm::sel::numberWithBool_, static_cast<BOOL>(YES));
  std::string binary = vm::test::binaryPlistOf(vm::test::dictionaryOf({{"ENABLED13", yes}}));
  ASSERT_EQ(binary.rfind("bplist", 0), 0u);
  writeFile(kSettingsFile, binary);
  loadSettings();
  EXPECT_EQ(flagsOn(), "ENABLED13");
}

// Each bad file comes after a good load: the flags must survive it untouched.
TEST_F(SettingsTest, BadFilesLeaveTheFlagsAsTheyWere) {
  writeSettings(boolEntry("ENABLED3", true));
  loadSettings();
  ASSERT_EQ(flagsOn(), "ENABLED3");
  const std::string good = vm::test::xmlPlist(boolEntry("ENABLED3", false));
  struct BadFile {
    const char* name;
    std::string contents;
  };
  const BadFile cases[] = {
      {"empty", ""},
      {"garbage", std::string("\x00\xff\xfe garbage \x01", 12)},
      {"truncated XML", good.substr(0, good.size() / 2)},
      {"array root",
       "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><true/></array></plist>"},
      {"string root", "<?xml version=\"1.0\"?><plist version=\"1.0\"><string>x</string></plist>"},
      {"truncated binary", std::string("bplist00\xd1\x01\x02", 11)},
  };
  for (const BadFile& bad : cases) {
    SCOPED_TRACE(bad.name);
    writeFile(kSettingsFile, bad.contents);
    loadSettings();
    EXPECT_EQ(flagsOn(), "ENABLED3");
  }
  // Files that once aborted or crashed the host, each with ENABLED3 off if it were read.
  for (const vm::test::NamedBytes& hostile : vm::test::hostilePropertyLists()) {
    SCOPED_TRACE(hostile.name);
    writeFile(kSettingsFile, hostile.bytes);
    loadSettings();
    EXPECT_EQ(flagsOn(), "ENABLED3");
  }
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
