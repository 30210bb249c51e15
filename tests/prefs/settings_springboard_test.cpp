// The Settings app and a running simulated SpringBoard with the tweak loaded: a change made
// in Settings reaches SpringBoard through the notification and shows in its report, and
// the restart button ends SpringBoard, and only the one of its own device root.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/prefs/pane_fixture.h"
#include "tests/prefs/processes.h"

namespace vm::test {
namespace {

const std::string kSettings = VM_BIN_DIR "/Settings";
const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";

class SettingsWithSpringBoard : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
    stageTweak();
    // The device's own killall, which the Settings app finds first on its PATH.
    std::filesystem::create_directories(path("/usr/bin"));
    std::filesystem::copy_file(VM_BIN_DIR "/vm-killall", path("/usr/bin/killall"));
    report_ = root() + "/springboard.out";
    springBoard_ = startProgram(kSpringBoard, {"--watch"}, report_);
    ASSERT_GT(springBoard_, 0);
    ASSERT_TRUE(waitForText(report_, "watching for com.tanvork.velmotint/settingschanged"))
        << readFile(report_);
  }
  void TearDown() override {
    if (springBoard_ > 0) {
      kill(springBoard_, SIGTERM);
      waitForEnd(springBoard_);
    }
    PaneTest::TearDown();
  }

  int settings(const std::vector<std::string>& args) {
    Finished result = runProgram(kSettings, args, root());
    EXPECT_EQ(result.err, "");
    return result.exitCode;
  }

  // The value column of the latest report line for `item`; empty if none.
  std::string latest(const std::string& item) {
    std::istringstream text(readFile(report_));
    std::string value;
    for (std::string line; std::getline(text, line);) {
      if (line.rfind("  " + item + " ", 0) == 0) {
        value = line.substr(line.find_first_not_of(' ', item.size() + 2));
        value = value.substr(0, value.find("  "));  // the row's flags follow
      }
    }
    return value;
  }

  // Waits until SpringBoard's latest report shows `item` as `value`.
  bool reportShows(const std::string& item, const std::string& value) {
    auto deadline = std::chrono::steady_clock::now() + kProcessTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (latest(item) == value) return true;
      poll(nullptr, 0, 20);
    }
    return false;
  }

  std::string report_;
  pid_t springBoard_ = -1;
};

TEST_F(SettingsWithSpringBoard, ChangesReachTheRunningSpringBoard) {
  ASSERT_EQ(latest("date hidden"), "no");
  EXPECT_EQ(settings({"set", "Remove Date View", "on"}), 0);
  EXPECT_TRUE(reportShows("date hidden", "yes")) << readFile(report_);

  // A colour is read when it is drawn; the tint needs its switch.
  EXPECT_EQ(settings({"set", "Lock Screen Secondary", "#33cc99:0.8"}), 0);
  EXPECT_EQ(settings({"set", "Tint the Lock Screen", "on"}), 0);
  EXPECT_TRUE(reportShows("lock-screen label colour", "#33cc99 alpha 0.80")) << readFile(report_);

  EXPECT_EQ(settings({"set", "Remove Date View", "off"}), 0);
  EXPECT_TRUE(reportShows("date hidden", "no")) << readFile(report_);
}

TEST_F(SettingsWithSpringBoard, RestartButtonEndsOnlyThisDeviceRootsSpringBoard) {
  // A SpringBoard of another device root, as another person or test would run.
  std::string other = root() + "/other-device";
  std::filesystem::create_directories(other);
  setenv("VELMOTINT_DEVICE_ROOT", other.c_str(), 1);
  std::string otherReport = root() + "/other-springboard.out";
  pid_t otherSpringBoard = startProgram(kSpringBoard, {"--watch"}, otherReport);
  setenv("VELMOTINT_DEVICE_ROOT", root().c_str(), 1);
  ASSERT_TRUE(waitForText(otherReport, "watching for")) << readFile(otherReport);

  Finished tapped = runProgram(kSettings, {"tap", "Restart SpringBoard"}, root());
  EXPECT_EQ(tapped.exitCode, 0);
  EXPECT_EQ(tapped.err, "");
  int status = waitForEnd(springBoard_);
  springBoard_ = -1;
  ASSERT_TRUE(status >= 0 && WIFSIGNALED(status)) << "SpringBoard is still running";
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_EQ(waitpid(otherSpringBoard, nullptr, WNOHANG), 0) << "the other SpringBoard ended";
  kill(otherSpringBoard, SIGTERM);
  waitForEnd(otherSpringBoard);

  // With none left, the device's killall says so.
  Finished again = runProgram(path("/usr/bin/killall"), {"SpringBoard"}, root());
  EXPECT_EQ(again.exitCode, 1);
  EXPECT_NE(again.err.find("no SpringBoard process runs in the device root " + root()),
            std::string::npos)
      << again.err;
}

}  // namespace
}  // namespace vm::test
