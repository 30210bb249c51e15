// The Settings app as a person uses it: showing the pane's pages, changing every option,
// refusing what it cannot store without touching the settings file, tapping buttons.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/prefs/processes.h"
#include "tests/support/hostile_plists.h"

namespace vm::test {
namespace {

const std::string kSettings = VM_BIN_DIR "/Settings";

class SettingsApp : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
  }
  Finished settings(const std::vector<std::string>& args) {
    return runProgram(kSettings, args, root());
  }
};

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(SettingsApp, ShowsTheThreePages) {
  struct Case {
    const char* page;
    std::vector<const char*> parts;
  };
  const Case cases[] = {
      {"main",
       {"| Velmotint", "| By Tanvork", "> Colours & Tint", "Settings show VelmoSettings",
        "Settings show VelmoSettings2", "[ Restart SpringBoard ]", "[ Follow @tanvork ]",
        "stays in effect until SpringBoard restarts"}},
      {"VelmoSettings",
       {"Colours & Tint", "Tint the Lock Screen", "ENABLED2", "ENABLED1", "vmColor1", "vmColor6",
        "#a1a1a1:1.0", "recolours every label"}},
      {"VelmoSettings2",
       {"Remove Date View", "ENABLED16", "Hide Page Dots", "ENABLED7", "Freeze Clock", "ENABLED12",
        "off"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    Finished shown = settings({"show", c.page});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    for (const char* part : c.parts)
      EXPECT_TRUE(holds(shown.out, part)) << part << "\n" << shown.out;
  }
  Finished root = settings({"show"});
  EXPECT_TRUE(holds(root.out, "| By Tanvork"));
}

TEST_F(SettingsApp, EveryOptionCanBeChangedByItsKeyAndShowsTheNewValue) {
  std::vector<std::pair<std::string, std::string>> changes;
  for (int n = 1; n <= 24; ++n) {
    if (n != 5 && n != 20) changes.push_back({"ENABLED" + std::to_string(n), "on"});
  }
  for (int n = 1; n <= 6; ++n)
    changes.push_back({"vmColor" + std::to_string(n), "#0" + std::to_string(n) + "aa0f:0.5"});
  for (const auto& [key, value] : changes) {
    Finished set = settings({"set", key, value});
    EXPECT_EQ(set.exitCode, 0) << key << ": " << set.err;
  }
  for (const auto& [key, value] : changes) EXPECT_EQ(stored(key.c_str()), value) << key;
  Finished shown = settings({"show", "VelmoSettings"});
  EXPECT_TRUE(holds(shown.out, "#03aa0f:0.5")) << shown.out;
  std::istringstream page(settings({"show", "VelmoSettings2"}).out);
  for (std::string line; std::getline(page, line);) {
    if (holds(line, "ENABLED")) {
      EXPECT_TRUE(holds(line, " on ")) << line;
    }
  }
}

TEST_F(SettingsApp, OptionsCanBeNamedByTheirLabelInAnyCase) {
  EXPECT_EQ(settings({"set", "remove date view", "yes"}).exitCode, 0);
  EXPECT_EQ(settings({"set", "Lock Screen Primary", "#fc0"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED16"), "on");
  EXPECT_EQ(stored("vmColor5"), "#fc0");
  EXPECT_EQ(settings({"set", "Remove Date View", "off"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED16"), "off");
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
    std::string joined;
    for (const std::string& arg : c.args) joined += arg + " ";
    SCOPED_TRACE(joined);
    Finished result = settings(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_TRUE(holds(result.err, c.says)) << result.err;
    EXPECT_EQ(readFile(settingsFile()), before);
  }
}

TEST_F(SettingsApp, HelpGoesToStandardOutput) {
  for (const char* option : {"--help", "-h"}) {
    Finished help = settings({option});
    EXPECT_EQ(help.exitCode, 0) << option;
    EXPECT_TRUE(holds(help.out, "usage: Settings")) << option;
    EXPECT_TRUE(holds(help.out, "exit status")) << option;
  }
}

TEST_F(SettingsApp, PagesAreFoundByTitleInAnyCase) {
  Finished shown = settings({"show", "colours & TINT"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_TRUE(holds(shown.out, "Tint the Lock Screen")) << shown.out;
  EXPECT_TRUE(holds(settings({"show", "velmosettings2"}).out, "Remove Date View"));
}

TEST_F(SettingsApp, GetAndListShowValuesAndMarkWhatDiffersFromTheDefault) {
  EXPECT_EQ(settings({"get", "remove date view"}).out, "off\n");
  ASSERT_EQ(settings({"set", "Remove Date View", "on"}).exitCode, 0);
  ASSERT_EQ(settings({"set", "vmColor6", "#33cc99:0.8"}).exitCode, 0);
  EXPECT_EQ(settings({"get", "ENABLED16"}).out, "on\n");

  Finished listed = settings({"list"});
  EXPECT_EQ(listed.exitCode, 0) << listed.err;
  std::istringstream lines(listed.out);
  int options = 0, marked = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    ++options;
    if (holds(line, "* (default")) ++marked;
    if (holds(line, "ENABLED16")) {
      EXPECT_TRUE(holds(line, "on   * (default off)")) << line;
    }
    if (holds(line, "vmColor6")) {
      EXPECT_TRUE(holds(line, "#33cc99:0.8   * (default #a1a1a1:1.0)")) << line;
    }
  }
  EXPECT_EQ(options, 28);  // 22 switches and 6 colours
  EXPECT_EQ(marked, 2);
}

TEST_F(SettingsApp, UnreadableSettingsFileIsReportedUntilThePersonStartsAfresh) {
  for (const std::string& contents :
       {std::string("}{ garbage"), hostilePropertyList("1000 zero bytes"),
        hostilePropertyList("array inside itself"),
        hostilePropertyList("100k nested XML dictionaries")}) {
    writeFile("/var/mobile/Library/Preferences/com.tanvork.velmotint.plist", contents);
    Finished set = settings({"set", "ENABLED2", "on"});
    EXPECT_EQ(set.exitCode, 1);
    EXPECT_TRUE(holds(set.err, settingsFile())) << set.err;
    EXPECT_TRUE(holds(set.err, "Settings reset")) << set.err;
    Finished shown = settings({"show", "VelmoSettings"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_TRUE(holds(shown.err, "warning")) << shown.err;
    EXPECT_TRUE(readFile(settingsFile()) == contents);
  }

  Finished reset = settings({"reset"});
  EXPECT_EQ(reset.exitCode, 0) << reset.err;
  EXPECT_EQ(stored("ENABLED2"), "off");
  EXPECT_EQ(stored("vmColor6"), "#a1a1a1:1.0");
  EXPECT_EQ(settings({"set", "ENABLED2", "on"}).exitCode, 0);
  EXPECT_EQ(stored("ENABLED2"), "on");
}

TEST_F(SettingsApp, EveryStringComesBackExactlyAfterRepeatedWrites) {
  AutoreleasePool pool;
  const std::string key = "k\xF0\x9F\x98\x80", value = "v\xF0\x9F\x98\x80 \xC3\xA9";
  id values = send<id>(cls::NSMutableDictionary.get(), sel::dictionary);
  send<void>(values, sel::setObject_forKey_, nsString(value), nsString(key));
  writeFile("/var/mobile/Library/Preferences/com.tanvork.velmotint.plist", binaryPlistOf(values));
  for (int round = 1; round <= 3; ++round) {
    Finished set = settings({"set", "ENABLED16", "on"});
    ASSERT_EQ(set.exitCode, 0) << "round " << round << ": " << set.err;
    EXPECT_EQ(stored(key.c_str()), value) << "round " << round;
  }
  EXPECT_EQ(stored("ENABLED16"), "on");
  EXPECT_EQ(settings({"show", "VelmoSettings2"}).exitCode, 0);
}

TEST_F(SettingsApp, AWriteRemovesTemporaryFilesThatKilledWritersLeft) {
  const std::string folder = "/var/mobile/Library/Preferences/";
  const std::string stale = folder + ".com.tanvork.velmotint.plist.aB3xY9";
  const std::string others[] = {folder + ".com.tanvork.velmotint.plist.notmine",
                                folder + "com.example.other.plist"};
  writeFile(stale, "half a wri");
  for (const std::string& other : others) writeFile(other, "kept");
  ASSERT_EQ(settings({"set", "ENABLED2", "on"}).exitCode, 0);
  EXPECT_FALSE(std::filesystem::exists(path(stale)));
  for (const std::string& other : others) EXPECT_EQ(readFile(path(other)), "kept") << other;
  EXPECT_EQ(stored("ENABLED2"), "on");
}

TEST_F(SettingsApp, AFileInThePreferencesFolderPlaceIsNamedAndLeftAlone) {
  std::filesystem::remove_all(path("/var/mobile/Library/Preferences"));
  writeFile("/var/mobile/Library/Preferences", "someone's file");
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"set", "ENABLED2", "on"}, std::vector<std::string>{"reset"}}) {
    Finished result = settings(command);
    EXPECT_EQ(result.exitCode, 1) << command[0];
    EXPECT_TRUE(holds(result.err, "is a file, not a folder")) << result.err;
    EXPECT_TRUE(holds(result.err, path("/var/mobile/Library/Preferences"))) << result.err;
  }
  Finished shown = settings({"show", "VelmoSettings"});
  EXPECT_EQ(shown.exitCode, 0);
  EXPECT_TRUE(holds(shown.err, "is a file, not a folder")) << shown.err;
  EXPECT_EQ(readFile(path("/var/mobile/Library/Preferences")), "someone's file");
}

TEST_F(SettingsApp, CorruptBundleFilesAreRefusedWithoutACrash) {
  struct Case {
    const char* file;
    int exitCode;
    const char* says;
  };
  const Case cases[] = {
      {"/Library/PreferenceLoader/Preferences/velmotintPrefs.plist", 1, "no preference pane"},
      {"/Library/PreferenceBundles/velmotintPrefs.bundle/Info.plist", 1, "Info.plist"},
      {"/Library/PreferenceBundles/velmotintPrefs.bundle/main.plist", 0, "No specifier list"},
  };
  for (const Case& c : cases) {
    stagePane();
    writeFile(c.file, hostilePropertyList("1000 zero bytes"));
    Finished shown = settings({"show"});
    EXPECT_EQ(shown.exitCode, c.exitCode) << c.file << ": " << shown.err;
    EXPECT_TRUE(holds(shown.err, c.says)) << c.file << ": " << shown.err;
  }
}

TEST_F(SettingsApp, ProfileButtonPrintsTheAddressItOpens) {
  Finished tapped = settings({"tap", "Follow @tanvork"});
  EXPECT_EQ(tapped.exitCode, 0) << tapped.err;
  EXPECT_TRUE(holds(tapped.out, "https://twitter.com/tanvork")) << tapped.out;
}

TEST_F(SettingsApp, WithoutAnInstalledPaneItSaysWhatToDo) {
  std::filesystem::remove_all(path("/Library"));
  Finished shown = settings({"show"});
  EXPECT_EQ(shown.exitCode, 1);
  EXPECT_TRUE(holds(shown.err, "stage.sh")) << shown.err;
}

TEST_F(SettingsApp, SeveralSettingsAtOnceLoseNoChange) {
  std::vector<std::string> keys;
  std::vector<pid_t> running;
  for (int n : {1, 2, 3, 4, 6, 7, 8, 9}) {
    keys.push_back("ENABLED" + std::to_string(n));
    running.push_back(startProgram(kSettings, {"set", keys.back(), "on"},
                                   root() + "/set-" + keys.back() + ".out"));
  }
  for (pid_t pid : running) {
    int status = waitForEnd(pid);
    EXPECT_TRUE(status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  for (const std::string& key : keys) EXPECT_EQ(stored(key.c_str()), "on") << key;
}

}  // namespace
}  // namespace vm::test
