// The Settings app against files a neighbour or a hand edit left in the device root: a value
// of any kind under a switch's key, control characters, a NaN, a file over the reader's
// bound, a lock someone holds, a link in the lock file's place and a pane list whose
// "defaults" would leave the preferences folder. Nothing crashes, hangs or writes outside,
// and each refusal names what it is about.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

#include "bridge/foundation.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/support/child_process.h"
#include "tests/support/hostile_plists.h"

namespace vm::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kSettings = VM_BIN_DIR "/Settings";

class SettingsHostileFiles : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
  }
};

TEST_F(SettingsHostileFiles, ASwitchValueOfAnyKindIsShownAsTheWrongKind) {
  const std::pair<const char*, const char*> kinds[] = {
      {"<date>2020-01-01T00:00:00Z</date>", "a value of class"},
      {"<data>AAEC</data>", "data"},
      {"<array><true/></array>", "an array"},
      {"<dict><key>a</key><true/></dict>", "a dictionary"}};
  for (const auto& [stored, shown] : kinds) {
    SCOPED_TRACE(stored);
    writeSettings(std::string("<key>ENABLED16</key>") + stored);
    Finished get = runCaptured(kSettings, {"get", "ENABLED16"});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    EXPECT_THAT(get.out, HasSubstr(std::string("(not on or off: ") + shown));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list"}, std::vector<std::string>{"show", "VelmoSettings2"}}) {
      Finished run = runCaptured(kSettings, args);
      EXPECT_EQ(run.exitCode, 0) << args[0] << ": " << run.err;
      EXPECT_THAT(run.out, HasSubstr("(not on or off: ")) << args[0];
    }
  }
}

TEST_F(SettingsHostileFiles, ControlCharactersFromTheFileAreEscaped) {
  {
    AutoreleasePool pool;
    writeFile(
        kSettingsFile,
        binaryPlistOf(dictionaryOf({{"vmColor1", nsString("#ff0000\x1b]0;owned\x07\xc2\x9b")}})));
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"get", "vmColor1"}, std::vector<std::string>{"list"},
        std::vector<std::string>{"show", "main"},
        std::vector<std::string>{"show", "VelmoSettings"}}) {
    Finished run = runCaptured(kSettings, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find_first_of("\x1b\x07"), std::string::npos) << args[0];
    EXPECT_THAT(run.out, Not(HasSubstr("\xc2\x9b")));
  }
  // The colour cell shows no stored text that is not a colour: it shows its fallback.
  EXPECT_EQ(runCaptured(kSettings, {"get", "vmColor1"}).out, "#a1a1a1:1.0\n");
}

TEST_F(SettingsHostileFiles, RefusalsNameTheKeyOrTheBound) {
  writeSettings("<key>vmOdd</key><array><real>1</real><real>nan</real></array>");
  Finished nan = runCaptured(kSettings, {"set", "ENABLED16", "on"});
  EXPECT_EQ(nan.exitCode, 1);
  EXPECT_THAT(nan.err, HasSubstr("the value under \"vmOdd\" is not a number (NaN)"));

  // Text padding a valid list past 1 MiB: too large, not unreadable, and no advice to
  // start afresh, which would drop every value.
  writeSettings(stringEntry("vmPadding", std::string(1 << 20, 'x')));
  const std::string before = readFile(settingsFile());
  const std::string size = std::to_string(before.size()) + " bytes, over the bound of 1048576";
  Finished set = runCaptured(kSettings, {"set", "ENABLED16", "on"});
  EXPECT_EQ(set.exitCode, 1);
  EXPECT_THAT(set.err, HasSubstr("is too large to read (" + size));
  EXPECT_THAT(set.err, Not(HasSubstr("reset")));
  Finished get = runCaptured(kSettings, {"get", "ENABLED16"});
  EXPECT_THAT(get.err, HasSubstr("too large to read (" + size));
  EXPECT_EQ(readFile(settingsFile()), before);
}

TEST_F(SettingsHostileFiles, AHeldLockIsWaitedForBrieflyAndItsHolderNamed) {
  writeSettings(boolEntry("ENABLED16", false));
  const std::string before = readFile(settingsFile());
  int lock = open((settingsFile() + ".lock").c_str(), O_RDWR | O_CREAT, 0644);
  ASSERT_EQ(flock(lock, LOCK_EX), 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"set", "ENABLED16", "on"}, std::vector<std::string>{"reset"}}) {
    Finished run = runCaptured(kSettings, args, std::chrono::seconds(30));
    EXPECT_EQ(run.exitCode, 1) << args[0];
    EXPECT_THAT(run.err, HasSubstr("locked by process " + std::to_string(getpid())));
    EXPECT_THAT(run.err, HasSubstr("nothing was changed"));
  }
  EXPECT_EQ(readFile(settingsFile()), before);
  close(lock);
}

TEST_F(SettingsHostileFiles, NothingIsWrittenOutsideThePreferencesFolder) {
  // A link where the lock file belongs.
  writeSettings(boolEntry("ENABLED16", false));
  std::filesystem::create_symlink(root() + "/outside-lock", settingsFile() + ".lock");
  Finished linked = runCaptured(kSettings, {"set", "ENABLED16", "on"});
  EXPECT_EQ(linked.exitCode, 1);
  EXPECT_THAT(linked.err, HasSubstr("not a regular file"));
  EXPECT_FALSE(std::filesystem::exists(root() + "/outside-lock"));
  EXPECT_EQ(stored("ENABLED16"), "off");

  // A pane list whose rows name a domain above the preferences folder.
  const std::string list =
      path("/Library/PreferenceBundles/velmotintPrefs.bundle/VelmoSettings2.plist");
  std::string text = readFile(list);
  const std::string domain = "com.tanvork.velmotint", escaping = "../../../../escaped";
  for (size_t at = text.find(domain); at != std::string::npos; at = text.find(domain, at))
    text.replace(at, domain.size(), escaping);
  writeFile("/Library/PreferenceBundles/velmotintPrefs.bundle/VelmoSettings2.plist", text);
  Finished set = runCaptured(kSettings, {"set", "ENABLED16", "on"});
  EXPECT_EQ(set.exitCode, 1);
  EXPECT_THAT(set.err, HasSubstr("\"../../../../escaped\" is not a domain name"));
  Finished reset = runCaptured(kSettings, {"reset"});
  EXPECT_EQ(reset.exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(root() + "/escaped.plist"));
  EXPECT_EQ(stored("ENABLED16"), "off");
}

}  // namespace
}  // namespace vm::test
