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

pid_t spawnWithOutput(const std::string& program, const std::vector<std::string>& args,
                      const std::string& outFile, const std::string& errFile) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  if (errFile == outFile) {
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
  } else {
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
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
  Finished finished;
  pid_t pid = spawnWithOutput(program, args, stem + ".out", stem + ".err");
  if (pid < 0) return finished;
  int status = waitForEnd(pid);
  if (status >= 0 && WIFEXITED(status)) finished.exitCode = WEXITSTATUS(status);
  finished.out = readFile(stem + ".out");
  finished.err = readFile(stem + ".err");
  unlink((stem + ".out").c_str());
  unlink((stem + ".err").c_str());
  return finished;
}

pid_t startProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& outputFile) {
  return spawnWithOutput(program, args, outputFile, outputFile);
}

bool waitForText(const std::string& file, const std::string& text, int times,
                 std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    std::string contents = readFile(file);
    int found = 0;
    for (size_t at = contents.find(text); at != std::string::npos;
         at = contents.find(text, at + text.size()))
      ++found;
    if (found >= times) return true;
    poll(nullptr, 0, 20);
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

int waitForEnd(pid_t pid, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
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

}  // namespace vm::test
