// The Settings app as a person uses it: showing the pane's pages, changing every option,
// refusing what it cannot store without touching the settings file, tapping buttons.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>

#include "bridge/foundation.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/hostile_plists.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_keys.h"
#include "tweak/settings_keys.h"

namespace vm::test {
namespace {

using ::testing::HasSubstr;

const std::string kSettings = VM_BIN_DIR "/Settings";
constexpr const char* kPreferences = "/var/mobile/Library/Preferences";

class SettingsApp : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
  }
  Finished settings(const std::vector<std::string>& args) { return runCaptured(kSettings, args); }
};

TEST_F(SettingsApp, PagesHelpAndButtonsPrintWhatTheyShow) {
  struct Case {
    std::vector<std::string> args;
    std::vector<const char*> parts;
  };
  const Case cases[] = {
      // The header first, then the two pages and the two buttons.
      {{"show", "main"},
       {"=\n\n  | Velmotint\n  | By Tanvork\n", "> Colours & Tint", "(Settings show VelmoSettings)",
        "(Settings show VelmoSettings2)", "[ Restart SpringBoard ]",
        "stays in effect until SpringBoard restarts", "[ Follow @tanvork ]"}},
      {{"show", "VelmoSettings"},
       {"Colours & Tint", "Tint the Lock Screen", "ENABLED2", "recolours every label", "ENABLED1",
        "#a1a1a1:1.0", "vmColor1", "vmColor6"}},
      {{"show", "VelmoSettings2"},
       {"Remove Date View", "ENABLED16", "Hide Page Dots", "ENABLED7", "Freeze Clock", "ENABLED12",
        "off"}},
      {{"show"}, {"| By Tanvork"}},
      // The pane is known by its loader entry's label.
      {{"--pane", "VELMOTINT", "show"}, {"| By Tanvork"}},
      // Pages are found by title or name in any case.
      {{"show", "colours & TINT"}, {"Tint the Lock Screen"}},
      {{"show", "velmosettings2"}, {"Remove Date View"}},
      // Help goes to standard output.
      {{"--help"}, {"usage: Settings", "exit status"}},
      {{"-h"}, {"usage: Settings", "exit status"}},
      {{"tap", "Follow @tanvork"}, {"https://twitter.com/tanvork"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    Finished run = settings(c.args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    size_t at = 0;  // each part after the one before
    for (const char* part : c.parts) {
      at = run.out.find(part, at);
      EXPECT_NE(at, std::string::npos) << '"' << part << "\" in order in\n" << run.out;
      if (at == std::string::npos) break;
    }
  }
}

// The pane's options: every flag a hook row reads, in key order, then every colour.
std::vector<std::string> optionKeys() {
  std::set<int> read;
  for (const velmotint::HookKeys& row : velmotint::kHookKeys)
    for (int n : row.flags)
      if (n != 0) read.insert(n);
  std::vector<std::string> keys;
  for (int n : read) keys.push_back(velmotint::kFlagKeys[n - 1]);
  keys.insert(keys.end(), velmotint::kColourKeys.begin(), velmotint::kColourKeys.end());
  return keys;
}

TEST_F(SettingsApp, EveryOptionCanBeChangedByItsKeyAndShowsTheNewValue) {
  std::vector<std::pair<std::string, std::string>> changes;
  for (const std::string& key : optionKeys())
    changes.push_back({key, key.rfind("vmColor", 0) == 0
                                ? "#0" + key.substr(std::strlen("vmColor")) + "aa0f:0.5"
                                : "on"});
  for (const auto& [key, value] : changes)
    EXPECT_EQ(settings({"set", key, value}).exitCode, 0) << key;
  for (const auto& [key, value] : changes) EXPECT_EQ(stored(key.c_str()), value) << key;
  EXPECT_THAT(settings({"show", "VelmoSettings"}).out, HasSubstr("#03aa0f:0.5"));
  // A value column that reads off would hold "off" and the padding after it.
  EXPECT_THAT(settings({"show", "VelmoSettings2"}).out,
              testing::AllOf(HasSubstr(" on    "), testing::Not(HasSubstr(" off    "))));
}

TEST_F(SettingsApp, RefusesWhatItCannotStoreAndLeavesTheFileUntouched) {
  writeSettings("<key>ENABLED2</key><true/><key>vmColor1</key><string>#123456</string>");
  const std::string before = readFile(settingsFile());
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    const char* says;
  };
  const Case cases[] = {
      {{"set", "vmColor1", "#12345"}, 1, "\"#12345\" is not a colour"},
      {{"set", "Battery", "#abc:1.5"}, 1, "between 0 and 1"},
      {{"set", "vmColor2", "on"}, 1, "is not a colour"},
      {{"set", "ENABLED2", "#ffffff"}, 1, "is a switch: give on or off"},
      {{"set", "Hide Date", "maybe"}, 1, "is a switch"},
      {{"set", "ENABLED5", "on"}, 1, "no option is called \"ENABLED5\""},
      {{"set", "Brightness", "on"}, 1, "no option is called"},
      {{"set", "Restart SpringBoard", "on"}, 1, "no option is called"},
      {{"tap", "Tint the Lock Screen"}, 1, "no button is called"},
      {{"show", "VelmoSettings3"}, 1, "no page is called"},
      {{"get", "nope"}, 1, "no option is called \"nope\"; there are:"},
      {{"get", "nope"}, 1, "\"Remove Date View\" (ENABLED16)"},
      {{"set", "ENABLED2"}, 2, "wrong arguments; it is: set NAME VALUE"},
      {{"frobnicate"}, 2, "unknown command \"frobnicate\""},
      {{"--bogus", "show"}, 2, "unknown option \"--bogus\""},
      {{}, 2, "usage"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    Finished result = settings(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_THAT(result.err, HasSubstr(c.says));
    EXPECT_EQ(readFile(settingsFile()), before);
  }
}

// Options are named by key or by label in any case; `get` and `list` show their values and
// mark what differs from the default.
TEST_F(SettingsApp, OptionsAreNamedByKeyOrLabelAndListedWithTheirDefaults) {
  EXPECT_EQ(settings({"get", "remove date view"}).out, "off\n");
  ASSERT_EQ(settings({"set", "remove date view", "yes"}).exitCode, 0);
  ASSERT_EQ(settings({"set", "lock screen SECONDARY", "#33cc99:0.8"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED16"), "on");
  EXPECT_EQ(stored("vmColor6"), "#33cc99:0.8");
  // The colour picker's cell stores every colour whole, with its alpha.
  ASSERT_EQ(settings({"set", "Lock Screen Primary", "#fc0"}).exitCode, 0);
  EXPECT_EQ(stored("vmColor5"), "#ffcc00:1.0");
  EXPECT_EQ(settings({"get", "ENABLED16"}).out, "on\n");

  Finished listed = settings({"list"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  std::istringstream lines(listed.out);
  int options = 0, marked = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    ++options;
    marked += line.find("* (default") != std::string::npos;
  }
  EXPECT_EQ(options, static_cast<int>(optionKeys().size()));
  EXPECT_EQ(marked, 3);
  EXPECT_THAT(listed.out, HasSubstr("\n  ENABLED16  Remove Date View               on   * (default "
                                    "off)\n"));
  EXPECT_THAT(listed.out, HasSubstr("\n  vmColor6   Lock Screen Secondary          #33cc99:0.8   "
                                    "* (default #a1a1a1:1.0)\n"));

  EXPECT_EQ(settings({"set", "Remove Date View", "off"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED16"), "off");
}

TEST_F(SettingsApp, UnreadableSettingsFileIsReportedUntilThePersonStartsAfresh) {
  for (const std::string& contents :
       {std::string("}{ garbage"), std::string(),
        std::string("<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>"),
        hostilePropertyList("1000 zero bytes"), hostilePropertyList("array inside itself"),
        hostilePropertyList("100k nested XML dictionaries")}) {
    writeFile(kSettingsFile, contents);
    // A file over the reader's bound is called too large, and starting afresh is not offered.
    const bool tooLarge = contents.size() > (size_t{1} << 20);
    Finished set = settings({"set", "ENABLED2", "on"});
    EXPECT_EQ(set.exitCode, 1);
    EXPECT_THAT(set.err, HasSubstr(settingsFile()));
    EXPECT_THAT(set.err, HasSubstr(tooLarge ? "is too large to read" : "Settings reset"));
    Finished shown = settings({"show", "VelmoSettings"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_THAT(shown.err, HasSubstr(tooLarge ? "is too large to read"
                                              : "holds no property list of a dictionary"));
    EXPECT_TRUE(readFile(settingsFile()) == contents);
  }

  Finished reset = settings({"reset"});
  EXPECT_EQ(reset.exitCode, 0) << reset.err;
  EXPECT_EQ(stored("ENABLED2"), "off");
  EXPECT_EQ(stored("vmColor6"), "#a1a1a1:1.0");
  EXPECT_EQ(settings({"set", "ENABLED2", "on"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED2"), "on");
}

// Writes keep every other key exactly, and clear away the temporary files of writers that
// were killed, but no one else's.
TEST_F(SettingsApp, WritesKeepEveryStringExactlyAndRemoveOnlyTheirOwnStaleTemporaryFiles) {
  AutoreleasePool pool;
  const std::string key = "k\xF0\x9F\x98\x80", value = "v\xF0\x9F\x98\x80 \xC3\xA9";
  id values = send<id>(cls::NSMutableDictionary.get(), sel::dictionary);
  send<void>(values, sel::setObject_forKey_, nsString(value), nsString(key));
  const std::string folder = std::string(kPreferences) + "/";
  writeFile(kSettingsFile, binaryPlistOf(values));
  const std::string stale = folder + ".com.tanvork.velmotint.plist.aB3xY9";
  const std::string others[] = {folder + ".com.tanvork.velmotint.plist.notmine",
                                folder + "com.example.other.plist"};
  writeFile(stale, "half a wri");
  for (const std::string& other : others) writeFile(other, "kept");
  for (int round = 1; round <= 3; ++round) {
    Finished set = settings({"set", "ENABLED16", "on"});
    ASSERT_EQ(set.exitCode, 0) << "round " << round << ": " << set.err;
    EXPECT_EQ(stored(key.c_str()), value) << "round " << round;
    EXPECT_FALSE(std::filesystem::exists(path(stale)));
  }
  for (const std::string& other : others) EXPECT_EQ(readFile(path(other)), "kept") << other;
  EXPECT_EQ(stored("ENABLED16"), "on");
  EXPECT_EQ(settings({"show", "VelmoSettings2"}).exitCode, 0);
}

TEST_F(SettingsApp, AFileInThePreferencesFolderPlaceIsNamedAndLeftAlone) {
  std::filesystem::remove_all(path(kPreferences));
  writeFile(kPreferences, "someone's file");
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"set", "ENABLED2", "on"}, std::vector<std::string>{"reset"}}) {
    Finished result = settings(command);
    EXPECT_EQ(result.exitCode, 1) << command[0];
    EXPECT_THAT(result.err, HasSubstr("is a file, not a folder"));
    EXPECT_THAT(result.err, HasSubstr(path(kPreferences)));
  }
  Finished shown = settings({"show", "VelmoSettings"});
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_THAT(shown.err, HasSubstr("is a file, not a folder"));
  EXPECT_EQ(readFile(path(kPreferences)), "someone's file");
}

TEST_F(SettingsApp, MissingOrCorruptPaneFilesAreRefusedWithoutACrash) {
  struct Case {
    const char* file;  // made hostile; removed when it is "/Library"
    int exitCode;
    const char* says;
  };
  const Case cases[] = {
      {"/Library/PreferenceLoader/Preferences/velmotintPrefs.plist", 1, "no preference pane"},
      {"/Library/PreferenceBundles/velmotintPrefs.bundle/Info.plist", 1, "Info.plist"},
      {"/Library/PreferenceBundles/velmotintPrefs.bundle/main.plist", 0, "No specifier list"},
      {"/Library", 1, "stage.sh"},  // no pane installed: it says what to do
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    stagePane();
    if (c.file == std::string("/Library"))
      std::filesystem::remove_all(path(c.file));
    else
      writeFile(c.file, hostilePropertyList("1000 zero bytes"));
    Finished shown = settings({"show"});
    EXPECT_EQ(shown.exitCode, c.exitCode) << shown.err;
    EXPECT_THAT(shown.err, HasSubstr(c.says));
  }
}

// A list whose colour row names a cell class that does not exist, or that lacks the colour
// picker's dictionary, is shown with the reason and refused on a change.
TEST_F(SettingsApp, ColourRowsWithoutAWorkingCellAreRefusedWithTheReason) {
  const std::string list = "/Library/PreferenceBundles/velmotintPrefs.bundle/VelmoSettings.plist";
  std::string text = readFile(path(list));
  auto replaceFirst = [&text](const std::string& what, const std::string& with) {
    size_t at = text.find(what);
    ASSERT_NE(at, std::string::npos) << what;
    text.replace(at, what.size(), with);
  };
  replaceFirst("PFSimpleLiteColorCell", "PFNoSuchColorCell");  // vmColor1
  replaceFirst(
      "<key>libcolorpicker</key>\n\t\t\t<dict>\n\t\t\t\t<key>defaults</key>\n\t\t\t\t"
      "<string>com.tanvork.velmotint</string>\n\t\t\t\t<key>key</key>\n\t\t\t\t"
      "<string>vmColor2</string>",
      "<key>notlibcolorpicker</key>\n\t\t\t<dict>\n\t\t\t\t<key>key</key>\n\t\t\t\t"
      "<string>vmColor2</string>");
  writeFile(list, text);
  writeSettings("<key>vmColor1</key><string>#123456</string>");
  const std::string before = readFile(settingsFile());

  Finished shown = settings({"show", "VelmoSettings"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_THAT(shown.out, HasSubstr("Status Bar Foreground               (no colour: its cell "
                                   "class PFNoSuchColorCell does not exist"));
  EXPECT_THAT(shown.out, HasSubstr("Status Bar Text                     (no colour: \"Status Bar "
                                   "Text\" has no libcolorpicker dictionary)"));
  EXPECT_THAT(shown.out, HasSubstr("#a1a1a1:1.0 (alpha 1.0) vmColor3"));
  for (const std::vector<std::string>& args : {std::vector<std::string>{"set", "vmColor1", "#abc"},
                                               {"set", "Status Bar Text", "#abc"},
                                               {"get", "vmColor1"}}) {
    Finished run = settings(args);
    EXPECT_EQ(run.exitCode, args[0] == "get" ? 0 : 1) << args[1];
    EXPECT_THAT(run.err + run.out,
                HasSubstr(args[1] == "vmColor1" ? "PFNoSuchColorCell does not exist"
                                                : "has no libcolorpicker dictionary"));
  }
  EXPECT_EQ(readFile(settingsFile()), before);
}

TEST_F(SettingsApp, SeveralSettingsAtOnceLoseNoChange) {
  std::vector<std::string> keys;
  std::vector<std::unique_ptr<ChildProcess>> running;
  for (int n : {1, 2, 3, 4, 6, 7, 8, 9}) {
    keys.push_back("ENABLED" + std::to_string(n));
    running.push_back(std::make_unique<ChildProcess>(
        kSettings, std::vector<std::string>{"set", keys.back(), "on"}));
  }
  for (auto& writer : running) EXPECT_EQ(writer->waitForExit(kProcessTimeout), 0);
  for (const std::string& key : keys) EXPECT_EQ(stored(key.c_str()), "on") << key;
}

}  // namespace
}  // namespace vm::test
