// The simulated SpringBoard as a person runs it: a separate process that loads the staged
// tweak, prints its report, and reloads when another process posts the notification.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"
#include "tests/support/hostile_plists.h"

namespace {

using namespace std::chrono_literals;
using vm::test::ChildProcess;

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";
const std::string kPost = VM_BIN_DIR "/vm-post";
const char* kSettings = "/var/mobile/Library/Preferences/com.tanvork.velmotint.plist";

class SpringBoardHostTest : public vm::test::DeviceRootTest {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    std::filesystem::path tweaks = path("/Library/MobileSubstrate/DynamicLibraries");
    std::filesystem::create_directories(tweaks);
    for (const char* file : {"Velmotint.dylib", "Velmotint.plist"})
      std::filesystem::copy_file(std::string(VM_TWEAK_DIR) + "/" + file, tweaks / file);
  }
  // The whole report of a SpringBoard that runs once.
  static std::string report(const std::vector<std::string>& args) {
    ChildProcess springBoard(kSpringBoard, args);
    springBoard.waitForLine([](const std::string&) { return false; }, 20s);
    EXPECT_EQ(springBoard.waitForExit(20s), 0);
    return springBoard.output();
  }
  static auto contains(const std::string& text) {
    return [text](const std::string& line) { return line.find(text) != std::string::npos; };
  }
};

TEST_F(SpringBoardHostTest, ReportListsEveryRowInstalled) {
  std::string out = report({"--hooks"});
  EXPECT_NE(out.find("hooks installed: 63, skipped: 0"), std::string::npos) << out;
  EXPECT_NE(out.find("+[SBBannerContextView _defaultGrabberColor]"), std::string::npos);
}

TEST_F(SpringBoardHostTest, HeaderSaysWhatIsInEffectAndEachRowNamesItsFlags) {
  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED16</key><true/>"
                                          "<key>vmColor3</key><string>#00ff00:0.5</string>"));
  std::string out = report({});
  EXPECT_NE(out.find(path(kSettings) + " (read)"), std::string::npos) << out;
  EXPECT_NE(out.find("flags on: ENABLED16\n"), std::string::npos) << out;
  EXPECT_NE(out.find("vmColor3  #00ff00:0.5" + std::string(11, ' ') + "#00ff00 alpha 0.50"),
            std::string::npos);
  EXPECT_NE(out.find("vmColor4  (not set)" + std::string(13, ' ') + "#a1a1a1 alpha 1.00"),
            std::string::npos);
  EXPECT_NE(out.find("date hidden                        yes                 (ENABLED16)"),
            std::string::npos);
  EXPECT_NE(out.find("lock screen shows date             yes                 (ENABLED6)"),
            std::string::npos);
  EXPECT_NE(out.find("status bar style                   1 (light text)"), std::string::npos);
  // The hook rows are listed only when asked for.
  EXPECT_EQ(out.find("_defaultGrabberColor"), std::string::npos);
}

TEST_F(SpringBoardHostTest, ASettingsFileThatCannotBeReadIsAWarning) {
  struct Case {
    const char* contents;  // null: no file
    const char* says;
  };
  for (const Case& c : {Case{nullptr, "(missing)\nwarning: there is no settings file"},
                        Case{"}{ garbage", "(unreadable)\nwarning: the settings file is not"}}) {
    SCOPED_TRACE(c.says);
    if (c.contents != nullptr) writeFile(kSettings, c.contents);
    std::string out = report({});
    EXPECT_NE(out.find(c.says), std::string::npos) << out;
  }
}

TEST_F(SpringBoardHostTest, ALibraryThatFailsToLoadIsNotCountedAndSaysWhy) {
  writeFile("/Library/MobileSubstrate/DynamicLibraries/Velmotint.dylib", "not a library");
  std::string out = report({});
  EXPECT_NE(out.find("tweaks loaded: 0\n  Velmotint.dylib failed to load: "), std::string::npos)
      << out;
  EXPECT_NE(out.find("flags on: none (the tweak is not loaded)"), std::string::npos);
}

TEST_F(SpringBoardHostTest, WithoutAStagedTweakItNamesTheStagingScript) {
  std::filesystem::remove_all(path("/Library"));
  std::string out = report({});
  EXPECT_NE(out.find("tweaks loaded: 0\nno tweak for SpringBoard is staged"), std::string::npos);
  EXPECT_NE(out.find("scripts/stage.sh"), std::string::npos) << out;
}

TEST_F(SpringBoardHostTest, AnAlphaOfMinusZeroReadsAsZero) {
  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED2</key><true/>"
                                          "<key>vmColor5</key><string>#ff00ff:-0</string>"));
  std::string out = report({});
  EXPECT_NE(out.find("chevron colour                     #ff00ff alpha 0.00"), std::string::npos)
      << out;
  EXPECT_EQ(out.find("-0.00"), std::string::npos);
}

// The report as a terminal shows it: standard output is a pseudo-terminal.
std::string reportOnATerminal(bool noColor) {
  int terminal = -1;
  pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    if (noColor)
      setenv("NO_COLOR", "1", 1);
    else
      unsetenv("NO_COLOR");
    execl(kSpringBoard.c_str(), kSpringBoard.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  std::string out;
  char buffer[4096];
  for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) out.append(buffer, got);
  close(terminal);
  waitpid(child, nullptr, 0);
  return out;
}

TEST_F(SpringBoardHostTest, ColoursGetTerminalSwatchesUnlessNoColorIsSet) {
  const std::string fallbackSwatch = "\033[48;2;161;161;161m";
  EXPECT_NE(reportOnATerminal(false).find(fallbackSwatch), std::string::npos);
  std::string plain = reportOnATerminal(true);
  EXPECT_NE(plain.find("vmColor1"), std::string::npos) << plain;
  EXPECT_EQ(plain.find("\033["), std::string::npos);
  // Into a pipe, never.
  EXPECT_EQ(report({}).find("\033["), std::string::npos);
}

TEST_F(SpringBoardHostTest, OptionsHelpAndMisuse) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
  };
  for (const Case& c : {Case{{"--help"}, 0}, Case{{"-h"}, 0}, Case{{"--frobnicate"}, 2},
                        Case{{"--picture"}, 2}, Case{{"--picture", "screens.gif"}, 1}}) {
    SCOPED_TRACE(c.args.front());
    EXPECT_EQ(vm::test::runProgram(kSpringBoard, c.args), c.exitCode);
  }
  ChildProcess help(kSpringBoard, {"--help"});
  ASSERT_TRUE(help.waitForLine(contains("usage: SpringBoard"), 20s)) << help.output();
}

TEST_F(SpringBoardHostTest, AFilterThatNamesAnotherProcessKeepsTheTweakOut) {
  writeFile("/Library/MobileSubstrate/DynamicLibraries/Velmotint.plist",
            vm::test::xmlPlist("<key>Filter</key><dict><key>Bundles</key><array>"
                               "<string>com.apple.mobilemail</string></array></dict>"));
  ChildProcess springBoard(kSpringBoard, {});
  ASSERT_TRUE(springBoard.waitForLine(contains("tweaks loaded:"), 20s));
  EXPECT_NE(springBoard.output().find("tweaks loaded: 0"), std::string::npos);
}

TEST_F(SpringBoardHostTest, APostFromAnotherProcessReloadsTheFlagsWithoutARestart) {
  ChildProcess springBoard(kSpringBoard, {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(contains("watching for"), 20s)) << springBoard.output();
  EXPECT_NE(springBoard.output().find("date hidden                        no"), std::string::npos);

  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED16</key><true/>"
                                          "<key>ENABLED10</key><true/>"));
  ASSERT_EQ(vm::test::runProgram(kPost, {"com.tanvork.velmotint/settingschanged"}), 0);
  ASSERT_TRUE(springBoard.waitForLine(contains("=== SpringBoard report 2"), 20s))
      << springBoard.output();
  ASSERT_TRUE(springBoard.waitForLine(contains("top grabber hidden"), 20s));
  std::string second = springBoard.output().substr(springBoard.output().find("report 2"));
  // What set it off and what changed come first, before the full report.
  EXPECT_EQ(second.rfind("report 2 (after com.tanvork.velmotint/settingschanged) ===\nchanged:\n"
                         "  date hidden                        no -> yes           (ENABLED16)\n",
                         0),
            0u)
      << second;
  EXPECT_NE(second.find("  top grabber hidden                 no -> yes"), std::string::npos);
  EXPECT_NE(second.find("date hidden                        yes"), std::string::npos) << second;
  EXPECT_NE(second.find("top grabber hidden                 yes"), std::string::npos) << second;
  EXPECT_TRUE(springBoard.running());
}

// Each of these once aborted or crashed the host at start-up.
TEST_F(SpringBoardHostTest, ACorruptSettingsFileGivesTheReportWithEveryFlagOff) {
  for (const char* name : {"1000 zero bytes", "half a binary list", "array inside itself",
                           "huge object count", "offset size 9", "arrays shared 2^40 times",
                           "100k nested parentheses", "100k nested binary arrays",
                           "100k nested XML dictionaries"}) {
    writeFile(kSettings, vm::test::hostilePropertyList(name));
    ChildProcess springBoard(kSpringBoard, {});
    ASSERT_TRUE(springBoard.waitForLine(contains("date hidden"), 20s))
        << name << ": " << springBoard.output();
    EXPECT_NE(springBoard.output().find("date hidden                        no"),
              std::string::npos)
        << name;
    EXPECT_EQ(springBoard.waitForExit(20s), 0) << name << ": " << springBoard.output();
  }
}

TEST_F(SpringBoardHostTest, ACorruptFilterKeepsTheTweakOut) {
  writeFile("/Library/MobileSubstrate/DynamicLibraries/Velmotint.plist",
            vm::test::hostilePropertyList("1000 zero bytes"));
  ChildProcess springBoard(kSpringBoard, {});
  ASSERT_TRUE(springBoard.waitForLine(contains("tweaks loaded:"), 20s)) << springBoard.output();
  EXPECT_NE(springBoard.output().find("tweaks loaded: 0"), std::string::npos);
  EXPECT_EQ(springBoard.waitForExit(20s), 0) << springBoard.output();
}

TEST_F(SpringBoardHostTest, ACorruptFileOnReloadKeepsTheFlagsAndTheHostRunning) {
  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED16</key><true/>"));
  ChildProcess springBoard(kSpringBoard, {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(contains("watching for"), 20s)) << springBoard.output();
  int report = 1;
  for (const char* name : {"1000 zero bytes", "100k nested binary arrays"}) {
    writeFile(kSettings, vm::test::hostilePropertyList(name));
    ASSERT_EQ(vm::test::runProgram(kPost, {"com.tanvork.velmotint/settingschanged"}), 0);
    std::string heading = "=== SpringBoard report " + std::to_string(++report);
    ASSERT_TRUE(springBoard.waitForLine(contains(heading), 20s)) << name << springBoard.output();
    ASSERT_TRUE(springBoard.waitForLine(contains("top grabber hidden"), 20s));
    std::string latest = springBoard.output().substr(springBoard.output().find(heading));
    EXPECT_NE(latest.find("date hidden                        yes"), std::string::npos)
        << name << latest;
  }
  EXPECT_TRUE(springBoard.running());
}

}  // namespace
