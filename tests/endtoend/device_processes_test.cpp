// The processes of a device root: only a live registered process is signalled, a file
// whose process has ended is removed whatever process now has its pid, and the device's
// killall reports misuse.
#include "hosts/device_processes/device_processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"

namespace {

using vm::device::processFolder;

class DeviceProcesses : public vm::test::DeviceRootTest {};

TEST_F(DeviceProcesses, OnlyALiveRegisteredProcessIsSignalledAndLeftoversGo) {
  // A leftover that names this very process: signalling it would end the test.
  std::string leftover = processFolder("SpringBoard") + "/" + std::to_string(getpid());
  writeFile(leftover, "");

  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t child = fork();
  if (child == 0) {
    std::string error;
    bool registered = vm::device::registerProcess("SpringBoard", &error);
    char byte = registered ? 1 : 0;
    if (write(ready[1], &byte, 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 1) << "the child could not register";

  EXPECT_TRUE(vm::device::signalProcesses("Settings", SIGTERM).empty());
  EXPECT_EQ(vm::device::signalProcesses("SpringBoard", SIGTERM), std::vector<pid_t>{child});
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_FALSE(std::filesystem::exists(path(leftover)));
  EXPECT_TRUE(vm::device::signalProcesses("SpringBoard", SIGTERM).empty());
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
