// The processes of a device root: only a live registered process of that name is
// signalled, a file whose process has ended is removed whatever process now has its pid,
// nothing planted in the folder reaches another process or a file outside the root, and
// the device's killall reports misuse. Signals that would reach the wrong process are
// recorded, never sent.
#include "hosts/device_processes/device_processes.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"

namespace {

using vm::device::processFolder;

class DeviceProcesses : public vm::test::DeviceRootTest {};

// A child that registers as SpringBoard and waits; its pid.
pid_t startRegisteredSpringBoard() {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  pid_t child = fork();
  if (child == 0) {
    prctl(PR_SET_NAME, "SpringBoard");  // killall ties a registration to the process's name
    std::string error;
    char byte = vm::device::registerProcess("SpringBoard", &error) ? 1 : 0;
    if (write(ready[1], &byte, 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  char byte = 0;
  bool registered = read(ready[0], &byte, 1) == 1 && byte == 1;
  close(ready[0]);
  close(ready[1]);
  return registered ? child : -1;
}

TEST_F(DeviceProcesses, OnlyALiveRegisteredProcessIsSignalledAndLeftoversGo) {
  // A leftover that names this very process: signalling it would end the test.
  std::string leftover = processFolder("SpringBoard") + "/" + std::to_string(getpid());
  writeFile(leftover, "");

  pid_t child = startRegisteredSpringBoard();
  ASSERT_GT(child, 0) << "the child could not register";

  EXPECT_TRUE(vm::device::signalProcesses("Settings", SIGTERM).empty());
  EXPECT_EQ(vm::device::signalProcesses("SpringBoard", SIGTERM), std::vector<pid_t>{child});
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_FALSE(std::filesystem::exists(path(leftover)));
  EXPECT_TRUE(vm::device::signalProcesses("SpringBoard", SIGTERM).empty());
}

std::vector<std::pair<pid_t, int>> gSent;
int recordSignal(pid_t pid, int signal) {
  gSent.emplace_back(pid, signal);
  return 0;
}

TEST_F(DeviceProcesses, OnlyPidsOfLiveProcessesOfThatNameAreSignalled) {
  pid_t springBoard = startRegisteredSpringBoard();
  ASSERT_GT(springBoard, 0);
  // Files this process holds locks on, as a live registration would: out of range (kill
  // would take 0 as its own group, -1 as every process), too long to convert, its own pid
  // (not a SpringBoard), and pid 1, whose lock this process holds, not pid 1.
  std::vector<std::string> planted = {
      "0", "4294967295", "4294967296", "99999999999999999999", std::to_string(getpid()), "1"};
  std::vector<int> held;
  for (const std::string& name : planted) {
    std::string file = path(processFolder("SpringBoard") + "/" + name);
    writeFile(processFolder("SpringBoard") + "/" + name, "");
    int fd = open(file.c_str(), O_RDWR);
    ASSERT_EQ(flock(fd, LOCK_EX), 0) << name;
    held.push_back(fd);
  }
  std::vector<std::string> skipped;
  std::vector<pid_t> signalled =
      vm::device::signalProcesses("SpringBoard", SIGTERM, &skipped, recordSignal);

  EXPECT_EQ(signalled, std::vector<pid_t>{springBoard});
  EXPECT_EQ(gSent, (std::vector<std::pair<pid_t, int>>{{springBoard, SIGTERM}}));
  ASSERT_EQ(skipped.size(), planted.size());
  for (const std::string& name : planted) {
    bool said = false;
    for (const std::string& line : skipped) said |= line.rfind("skipped " + name + ": ", 0) == 0;
    EXPECT_TRUE(said) << name;
  }
  for (int fd : held) close(fd);
  kill(springBoard, SIGKILL);
  waitpid(springBoard, nullptr, 0);
}

TEST_F(DeviceProcesses, RegistrationNeverFollowsALinkPlantedUnderItsName) {
  writeFile("/outside", "kept");
  std::string folder = path(processFolder("SpringBoard"));
  std::filesystem::create_directories(folder);
  std::filesystem::create_symlink(path("/outside"), folder + "/." + std::to_string(getpid()));
  std::string error;
  EXPECT_TRUE(vm::device::registerProcess("SpringBoard", &error)) << error;
  EXPECT_EQ(vm::test::readFile(path("/outside")), "kept");
  EXPECT_TRUE(std::filesystem::is_regular_file(
      std::filesystem::symlink_status(folder + "/" + std::to_string(getpid()))));
}

TEST_F(DeviceProcesses, KillallTakesOnlyAPlainProcessName) {
  // A number-named leftover in a folder outside the device's process folders.
  writeFile("/elsewhere/123", "");
  for (std::string name : {"../../../elsewhere", "", ".", "..", "a/b"}) {
    SCOPED_TRACE(name);
    vm::test::Finished run = vm::test::runCaptured(VM_BIN_DIR "/vm-killall", {name});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("nothing was signalled"), std::string::npos) << run.err;
  }
  EXPECT_TRUE(std::filesystem::exists(path("/elsewhere/123")));
  EXPECT_TRUE(vm::device::signalProcesses("../../../elsewhere", SIGTERM).empty());
}

TEST_F(DeviceProcesses, KillallHelpMisuseAndNone) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string says;  // on standard error
  };
  const std::string none = "no SpringBoard process runs in the device root " + root();
  for (const Case& c : {Case{{"--help"}, 0, ""}, Case{{}, 2, "no process name given"},
                        Case{{"-NOSUCHSIGNAL", "SpringBoard"}, 2, "unknown signal"},
                        Case{{"SpringBoard"}, 1, none}, Case{{"-KILL", "SpringBoard"}, 1, none}}) {
    SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.front());
    vm::test::Finished run = vm::test::runCaptured(VM_BIN_DIR "/vm-killall", c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
  }
}

}  // namespace
