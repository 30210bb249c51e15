// The simulated SpringBoard as a person runs it: a separate process that loads the staged
// tweak, prints its report, and reloads when another process posts the notification.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"
#include "tests/support/hostile_plists.h"
#include "tweak/hook_table.h"

namespace vm::test {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using namespace std::chrono_literals;

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";
const char* kTweaks = "/Library/MobileSubstrate/DynamicLibraries";

class SpringBoardHostTest : public DeviceRootTest {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    stageTweak(VM_TWEAK_DIR);
  }
  // The whole report of a SpringBoard that runs once.
  static std::string report(const std::vector<std::string>& args) {
    Finished run = runCaptured(kSpringBoard, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
  }
  // Writes `settings`, posts the notification and returns the `number`th report once it
  // is whole.
  std::string reloaded(ChildProcess& springBoard, int number, const std::string& settings) {
    writeFile(kSettingsFile, settings);
    EXPECT_EQ(runProgram(VM_BIN_DIR "/vm-post", {"com.tanvork.velmotint/settingschanged"}), 0);
    std::string heading = "=== SpringBoard report " + std::to_string(number);
    EXPECT_TRUE(springBoard.waitForLine(lineWith(heading), 20s)) << springBoard.output();
    EXPECT_TRUE(springBoard.waitForLine(lineWith("top grabber hidden"), 20s));
    size_t at = springBoard.output().find(heading);
    return at == std::string::npos ? "" : springBoard.output().substr(at);
  }
};

// Each case starts from a freshly staged root: `file` written with `contents`, or removed
// when there are none.
TEST_F(SpringBoardHostTest, ReportSaysWhatTheDeviceRootHolds) {
  auto expect = [this](const std::string& file, const std::optional<std::string>& contents,
                       const std::vector<std::string>& present,
                       const std::vector<std::string>& absent = {},
                       const std::vector<std::string>& args = {}) {
    SCOPED_TRACE(file + " " + contents.value_or("(removed)").substr(0, 60));
    std::filesystem::remove_all(path("/var"));
    std::filesystem::remove_all(path("/Library"));
    stageTweak(VM_TWEAK_DIR);
    if (contents)
      writeFile(file, *contents);
    else
      std::filesystem::remove_all(path(file));
    std::string out = report(args);
    for (const std::string& part : present) EXPECT_THAT(out, HasSubstr(part));
    for (const std::string& part : absent) EXPECT_THAT(out, Not(HasSubstr(part)));
  };
  const std::string filter = std::string(kTweaks) + "/Velmotint.plist";
  expect(kSettingsFile, std::nullopt,
         {"hooks installed: " + std::to_string(velmotint::hookTable().size()) + ", skipped: 0",
          "+[SBBannerContextView _defaultGrabberColor]",
          "(missing)\nwarning: there is no settings file"},
         {}, {"--hooks"});
  expect(kSettingsFile,
         xmlPlist("<key>ENABLED16</key><true/><key>vmColor3</key><string>#00ff00:0.5</string>"),
         {path(kSettingsFile) + " (read)", "flags on: ENABLED16\n",
          "vmColor3  #00ff00:0.5" + std::string(11, ' ') + "#00ff00 alpha 0.50",
          "vmColor4  (not set)" + std::string(13, ' ') + "#a1a1a1 alpha 1.00",
          "date hidden                        yes                 (ENABLED16)",
          "lock screen shows date             yes                 (ENABLED6)",
          "status bar style                   1 (light text)"},
         {"_defaultGrabberColor"});  // the hook rows are listed only when asked for
  expect(kSettingsFile, "}{ garbage", {"(unreadable)\nwarning: the settings file is not"});
  expect(kSettingsFile,
         xmlPlist("<key>ENABLED2</key><true/><key>vmColor5</key><string>#ff00ff:-0</string>"),
         {"chevron colour                     #ff00ff alpha 0.00"}, {"-0.00"});
  expect(std::string(kTweaks) + "/Velmotint.dylib", "not a library",
         {"tweaks loaded: 0\n  Velmotint.dylib failed to load: ",
          "flags on: none (the tweak is not loaded)"});
  expect("/Library", std::nullopt,
         {"tweaks loaded: 0\nno tweak for SpringBoard is staged", "scripts/stage.sh"});
  expect(filter,
         xmlPlist("<key>Filter</key><dict><key>Bundles</key><array>"
                  "<string>com.apple.mobilemail</string></array></dict>"),
         {"tweaks loaded: 0"});
  expect(filter, hostilePropertyList("1000 zero bytes"), {"tweaks loaded: 0"});
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
  EXPECT_THAT(reportOnATerminal(false), HasSubstr("\033[48;2;161;161;161m"));
  std::string plain = reportOnATerminal(true);
  EXPECT_THAT(plain, HasSubstr("vmColor1"));
  EXPECT_THAT(plain, Not(HasSubstr("\033[")));
  EXPECT_THAT(report({}), Not(HasSubstr("\033[")));  // into a pipe, never
}

TEST_F(SpringBoardHostTest, OptionsHelpAndMisuse) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
  };
  // A release it does not know is refused rather than played as another.
  for (const Case& c :
       {Case{{"--help"}, 0}, Case{{"-h"}, 0}, Case{{"--frobnicate"}, 2}, Case{{"--picture"}, 2},
        Case{{"--picture", "screens.gif"}, 1}, Case{{"--ios", "9"}, 2}, Case{{"--ios"}, 2}}) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(runProgram(kSpringBoard, c.args), c.exitCode);
  }
  EXPECT_THAT(runCaptured(kSpringBoard, {"--help"}).out, HasSubstr("usage: SpringBoard"));
}

// A post from another process reloads the flags without a restart; a corrupt file then
// leaves them as they were.
TEST_F(SpringBoardHostTest, APostReloadsTheFlagsAndACorruptFileKeepsThemWithTheHostRunning) {
  ChildProcess springBoard(kSpringBoard, {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(lineWith("watching for"), 20s)) << springBoard.output();
  EXPECT_THAT(springBoard.output(), HasSubstr("date hidden                        no"));

  std::string second =
      reloaded(springBoard, 2, xmlPlist("<key>ENABLED16</key><true/><key>ENABLED10</key><true/>"));
  // What set it off and what changed come first, before the full report.
  EXPECT_THAT(second, ::testing::StartsWith(
                          "=== SpringBoard report 2 (after com.tanvork.velmotint/settingschanged) "
                          "===\nchanged:\n  date hidden                        no -> yes      "
                          "     (ENABLED16)\n"));
  for (const char* part :
       {"  top grabber hidden                 no -> yes", "date hidden                        yes",
        "top grabber hidden                 yes"})
    EXPECT_THAT(second, HasSubstr(part));

  int report = 2;
  for (const char* name : {"1000 zero bytes", "100k nested binary arrays"}) {
    SCOPED_TRACE(name);
    EXPECT_THAT(reloaded(springBoard, ++report, hostilePropertyList(name)),
                HasSubstr("date hidden                        yes"));
  }
  EXPECT_TRUE(springBoard.running());
}

}  // namespace
}  // namespace vm::test
