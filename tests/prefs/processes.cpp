#include "tests/prefs/processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

extern char** environ;

namespace vm::test {
namespace {

std::atomic<int> gRunNumber{0};

// Its wait status, or -1 past kProcessTimeout (it is then killed).
int waitForEnd(pid_t pid) {
  auto deadline = std::chrono::steady_clock::now() + kProcessTimeout;
  int status = 0;
  do {
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return status;
    if (done < 0) return -1;
    poll(nullptr, 0, 10);
  } while (std::chrono::steady_clock::now() < deadline);
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return -1;
}

}  // namespace

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Finished runProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& scratch) {
  std::string stem =
      scratch + "/run-" + std::to_string(getpid()) + "-" + std::to_string(gRunNumber.fetch_add(1));
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd : {1, 2})
    posix_spawn_file_actions_addopen(&actions, fd, (stem + (fd == 1 ? ".out" : ".err")).c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
  Finished finished;
  pid_t pid = -1;
  bool started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started) return finished;
  int status = waitForEnd(pid);
  if (status >= 0 && WIFEXITED(status)) finished.exitCode = WEXITSTATUS(status);
  finished.out = readFile(stem + ".out");
  finished.err = readFile(stem + ".err");
  unlink((stem + ".out").c_str());
  unlink((stem + ".err").c_str());
  return finished;
}

}  // namespace vm::test
