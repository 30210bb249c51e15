// The Settings app and a running simulated SpringBoard with the tweak loaded: a change made
// in Settings reaches SpringBoard through the notification and shows in its report, and
// the restart button ends SpringBoard, and only the one of its own device root.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <memory>

#include "tests/prefs/pane_fixture.h"
#include "tests/support/child_process.h"

namespace vm::test {
namespace {

const std::string kSettings = VM_BIN_DIR "/Settings";
const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";

// The report's line for the date view, hidden ("yes") or not ("no").
auto dateHidden(const std::string& value) {
  return lineWith("  date hidden                        " + value + " ");
}

class SettingsWithSpringBoard : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
    stageTweak(VM_TWEAK_DIR);
    // The device's own killall, which the Settings app finds first on its PATH.
    std::filesystem::create_directories(path("/usr/bin"));
    std::filesystem::copy_file(VM_BIN_DIR "/vm-killall", path("/usr/bin/killall"));
    springBoard_ =
        std::make_unique<ChildProcess>(kSpringBoard, std::vector<std::string>{"--watch"});
    ASSERT_TRUE(springBoard_->waitForLine(dateHidden("no"), kProcessTimeout));
    ASSERT_TRUE(springBoard_->waitForLine(
        lineWith("watching for com.tanvork.velmotint/settingschanged"), kProcessTimeout))
        << springBoard_->output();
  }

  int settings(const std::vector<std::string>& args) {
    Finished result = runCaptured(kSettings, args);
    EXPECT_EQ(result.err, "");
    return result.exitCode;
  }

  std::unique_ptr<ChildProcess> springBoard_;
};

TEST_F(SettingsWithSpringBoard, ChangesReachTheRunningSpringBoard) {
  EXPECT_EQ(settings({"set", "Remove Date View", "on"}), 0);
  EXPECT_TRUE(springBoard_->waitForLine(dateHidden("yes"), kProcessTimeout))
      << springBoard_->output();
  // Starting afresh writes every default and announces it.
  EXPECT_EQ(settings({"reset"}), 0);
  EXPECT_TRUE(springBoard_->waitForLine(dateHidden("no"), kProcessTimeout))
      << springBoard_->output();
}

// A colour picked through the colour row's cell is what SpringBoard's next lookup finds.
TEST_F(SettingsWithSpringBoard, ColourSetThroughTheCellReachesSpringBoard) {
  EXPECT_EQ(settings({"set", "vmColor6", "#3c9:0.5"}), 0);
  const std::string stored = "#33cc99:0.5";
  EXPECT_TRUE(springBoard_->waitForLine(
      lineWith("  vmColor6  " + stored + std::string(22 - stored.size(), ' ') +
               "#33cc99 alpha 0.50"),
      kProcessTimeout))
      << springBoard_->output();
}

TEST_F(SettingsWithSpringBoard, RestartButtonEndsOnlyThisDeviceRootsSpringBoard) {
  // A SpringBoard of another device root, as another person or test would run.
  std::string other = root() + "/other-device";
  std::filesystem::create_directories(other);
  setenv("VELMOTINT_DEVICE_ROOT", other.c_str(), 1);
  ChildProcess otherSpringBoard(kSpringBoard, {"--watch"});
  setenv("VELMOTINT_DEVICE_ROOT", root().c_str(), 1);
  ASSERT_TRUE(otherSpringBoard.waitForLine(dateHidden("no"), kProcessTimeout));

  EXPECT_EQ(settings({"tap", "Restart SpringBoard"}), 0);
  int status = springBoard_->waitForExit(kProcessTimeout);
  ASSERT_TRUE(status >= 0 && WIFSIGNALED(status)) << "SpringBoard is still running";
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_TRUE(otherSpringBoard.running()) << "the other SpringBoard ended";
}

}  // namespace
}  // namespace vm::test
