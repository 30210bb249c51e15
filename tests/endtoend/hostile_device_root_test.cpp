// The simulated SpringBoard and the tools around it against what a neighbour or a file in
// the device root does: a FIFO named like a tweak, the tweak staged twice, stop signals,
// control characters and an oversized settings file, a device root whose name is not text
// or holds a ':', and the fallback root when HOME is unset.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/prefs/pane_fixture.h"
#include "tests/support/child_process.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";
const std::string kSettings = VM_BIN_DIR "/Settings";
const std::string kTweaks = "/Library/MobileSubstrate/DynamicLibraries";

class HostileDeviceRoot : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stageTweak(VM_TWEAK_DIR);
  }
};

TEST_F(HostileDeviceRoot, SpringBoardLoadsOnlyRegularFilesAndEachCopyKeepsItsOwnSlots) {
  // A FIFO named like a tweak, with a filter that selects SpringBoard: opening it would
  // wait for a writer for ever.
  ASSERT_EQ(mkfifo(path(kTweaks + "/Fifo.dylib").c_str(), 0644), 0);
  fs::copy_file(path(kTweaks + "/Velmotint.plist"), path(kTweaks + "/Fifo.plist"));
  // The same tweak under a second name: its replacements must call its own saved slots.
  fs::copy_file(path(kTweaks + "/Velmotint.dylib"), path(kTweaks + "/Second.dylib"));
  fs::copy_file(path(kTweaks + "/Velmotint.plist"), path(kTweaks + "/Second.plist"));
  std::string every;
  for (const velmotint::FeatureFlag& flag : velmotint::kFeatureFlags)
    every += boolEntry(flag.key, true);
  writeSettings(every);
  Finished report = runCaptured(kSpringBoard, {}, std::chrono::seconds(60));
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_THAT(report.out, HasSubstr("tweaks loaded: 2 (Second.dylib, Velmotint.dylib)\n"));
  EXPECT_THAT(report.out, HasSubstr("  Fifo.dylib failed to load: not a regular file\n"));
}

TEST_F(HostileDeviceRoot, WatchingSpringBoardCleansUpOnEveryStopSignal) {
  rlimit noCore{0, 0};
  setrlimit(RLIMIT_CORE, &noCore);  // SIGQUIT's default action dumps core
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
    SCOPED_TRACE(strsignal(signal));
    ChildProcess springBoard(kSpringBoard, {"--watch"});
    ASSERT_TRUE(springBoard.waitForLine(lineWith("watching for"), kProcessTimeout));
    std::vector<fs::path> registered;
    for (const auto& entry : fs::directory_iterator(path("/var/run/processes/SpringBoard")))
      registered.push_back(entry.path());
    ASSERT_EQ(registered.size(), 1u);
    pid_t pid = std::stoi(registered[0].filename().string());
    const std::string socket = path("/var/run/notifications/" + std::to_string(pid));
    ASSERT_TRUE(fs::exists(fs::symlink_status(socket)));
    kill(pid, signal);
    int status = springBoard.waitForExit(kProcessTimeout);
    ASSERT_TRUE(status >= 0 && WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_FALSE(fs::exists(fs::symlink_status(registered[0])));
    EXPECT_FALSE(fs::exists(fs::symlink_status(socket)));
  }
}

TEST_F(HostileDeviceRoot, TheReportEscapesControlsAndCallsAnOversizedFileTooLarge) {
  writeSettings(stringEntry("vmColor1", "#ff0000\x7f") + "<key>ENABLED16</key><true/>");
  Finished escaped = runCaptured(kSpringBoard, {});
  EXPECT_THAT(escaped.out, HasSubstr("  vmColor1  #ff0000\\x7f"));
  EXPECT_EQ(escaped.out.find('\x7f'), std::string::npos);

  writeSettings(stringEntry("vmPadding", std::string(1 << 20, 'x')));
  const size_t size = readFile(settingsFile()).size();
  Finished large = runCaptured(kSpringBoard, {});
  EXPECT_EQ(large.exitCode, 0) << large.err;
  EXPECT_THAT(large.out,
              HasSubstr("(too large)\nwarning: the settings file is too large to read (" +
                        std::to_string(size) + " bytes, over the bound of 1048576"));
}

TEST_F(HostileDeviceRoot, ARootNamedInOtherBytesWorksOrIsRefusedClearly) {
  const std::string odd = root() + "/dev\xff";
  fs::create_directories(odd);
  fs::copy(root() + "/Library", odd + "/Library", fs::copy_options::recursive);
  setenv("VELMOTINT_DEVICE_ROOT", odd.c_str(), 1);
  writeFile("/dev\xff" + kSettingsFile, xmlPlist("<key>ENABLED16</key><true/>"));
  Finished report = runCaptured(kSpringBoard, {});
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_THAT(report.out, HasSubstr("(read)\n"));
  EXPECT_THAT(report.out, HasSubstr("tweaks loaded: 1 (Velmotint.dylib)"));
  EXPECT_THAT(report.out, HasSubstr("flags on: ENABLED16\n"));
  Finished settings = runCaptured(kSettings, {"list"});
  EXPECT_EQ(settings.exitCode, 1);
  EXPECT_THAT(settings.err, HasSubstr("the device root " + odd + " is not UTF-8 text"));
}

TEST_F(HostileDeviceRoot, ARootWithAColonRunsNothingOutsideIt) {
  stagePane();
  // "R/a:b" is this root; as a PATH entry it would be "R/a" and "b/usr/bin".
  fs::create_symlink(root(), root() + "/a:b");
  writeFile("/a/killall", "#!/bin/sh\ntouch " + root() + "/ran-outside\n");
  fs::permissions(path("/a/killall"), fs::perms::owner_all);
  setenv("VELMOTINT_DEVICE_ROOT", (root() + "/a:b").c_str(), 1);
  Finished tap = runCaptured(kSettings, {"tap", "Restart SpringBoard"});
  EXPECT_EQ(tap.exitCode, 1);
  EXPECT_THAT(tap.err, HasSubstr("holds a ':'"));
  EXPECT_THAT(tap.out, Not(HasSubstr("tapped")));
  EXPECT_FALSE(fs::exists(root() + "/ran-outside"));
}

// The fallback root is shared by every test run on this machine: restored as it was.
class FallbackRoot : public HostileDeviceRoot {
 protected:
  void SetUp() override {
    HostileDeviceRoot::SetUp();
    unsetenv("VELMOTINT_DEVICE_ROOT");
    unsetenv("HOME");
    made_ = !fs::exists(fs::symlink_status(fallback_));
    if (made_) {
      ASSERT_EQ(mkdir(fallback_.c_str(), 0700), 0);
    }
    ASSERT_EQ(lstat(fallback_.c_str(), &before_), 0);
  }
  void TearDown() override {
    chown(fallback_.c_str(), before_.st_uid, before_.st_gid);
    chmod(fallback_.c_str(), before_.st_mode & 07777);
    std::error_code ignored;
    if (made_) fs::remove_all(fallback_, ignored);
    HostileDeviceRoot::TearDown();
  }
  const std::string fallback_ = "/tmp/velmotint-device-" + std::to_string(getuid());
  bool made_ = false;
  struct stat before_ {};
};

TEST_F(FallbackRoot, IsUsedOnlyIfOnlyThisUserCanChangeIt) {
  ASSERT_EQ(chmod(fallback_.c_str(), 0777), 0);
  Finished open = runCaptured(kSpringBoard, {});
  EXPECT_EQ(open.exitCode, 1);
  EXPECT_THAT(open.err, HasSubstr(fallback_ + " (used when HOME is unset) can be changed by"));
  EXPECT_EQ(runCaptured(VM_SOURCE_DIR "/scripts/stage.sh", {VM_BUILD_DIR}).exitCode, 1);
  ASSERT_EQ(chmod(fallback_.c_str(), 0700), 0);
  if (getuid() == 0) {
    ASSERT_EQ(chown(fallback_.c_str(), 65534, 65534), 0);
    Finished foreign = runCaptured(kSettings, {"list"});
    EXPECT_EQ(foreign.exitCode, 1);
    EXPECT_THAT(foreign.err, HasSubstr("belongs to user 65534"));
    ASSERT_EQ(chown(fallback_.c_str(), 0, 0), 0);
  }
}

TEST_F(FallbackRoot, StagingAndTheBinariesAgreeOnIt) {
  if (!made_) GTEST_SKIP() << fallback_ << " is in use; staging would change it";
  Finished staged = runCaptured(VM_SOURCE_DIR "/scripts/stage.sh", {VM_BUILD_DIR});
  ASSERT_EQ(staged.exitCode, 0) << staged.err;
  EXPECT_EQ(staged.out, fallback_ + "\n");
  Finished report = runCaptured(kSpringBoard, {});
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_THAT(report.out, HasSubstr("device root: " + fallback_ + "\n"));
  EXPECT_THAT(report.out, HasSubstr("tweaks loaded: 1 (Velmotint.dylib)"));
}

}  // namespace
}  // namespace vm::test
