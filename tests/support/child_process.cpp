#include "tests/support/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace vm::test {
namespace {

std::vector<char*> argv(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> list;
  list.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : arguments) list.push_back(const_cast<char*>(a.c_str()));
  list.push_back(nullptr);
  return list;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return;
  std::vector<char*> args = argv(program, arguments);
  pid_ = fork();
  if (pid_ == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    execv(program.c_str(), args.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  stdout_ = pipeEnds[0];
  fcntl(stdout_, F_SETFL, fcntl(stdout_, F_GETFL) | O_NONBLOCK);
}

ChildProcess::~ChildProcess() {
  terminate();
  if (stdout_ >= 0) close(stdout_);
}

bool ChildProcess::waitForLine(const std::function<bool(const std::string&)>& wanted,
                               std::chrono::milliseconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    size_t newline;
    while ((newline = output_.find('\n', scanned_)) != std::string::npos) {
      std::string line = output_.substr(scanned_, newline - scanned_);
      scanned_ = newline + 1;
      if (wanted(line)) return true;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    if (left.count() <= 0 || stdout_ < 0) return false;
    pollfd fd{stdout_, POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(left.count())) <= 0) continue;
    char buffer[4096];
    ssize_t got = read(stdout_, buffer, sizeof buffer);
    if (got > 0) {
      output_.append(buffer, static_cast<size_t>(got));
    } else if (got == 0) {
      close(stdout_);
      stdout_ = -1;
    }
  }
}

int ChildProcess::waitForExit(std::chrono::milliseconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  while (pid_ > 0) {
    int status = 0;
    pid_t done = waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      pid_ = -1;
      status_ = status;
      return status;
    }
    if (std::chrono::steady_clock::now() >= end) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return status_;
}

bool ChildProcess::running() {
  if (pid_ <= 0) return false;
  return waitForExit(std::chrono::milliseconds(0)) == -1 && pid_ > 0;
}

void ChildProcess::terminate() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (waitForExit(std::chrono::seconds(5)) == -1) {
    kill(pid_, SIGKILL);
    waitForExit(std::chrono::seconds(5));
  }
}

Finished runCaptured(const std::string& program, const std::vector<std::string>& arguments,
                     std::chrono::milliseconds deadline) {
  Finished finished;
  int out[2], err[2];
  if (pipe(out) != 0) return finished;
  if (pipe(err) != 0) {
    close(out[0]);
    close(out[1]);
    return finished;
  }
  std::vector<char*> args = argv(program, arguments);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (int fd : {out[0], out[1], err[0], err[1]}) close(fd);
    execv(program.c_str(), args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  // Both pipes are drained together, so that neither can fill up and stall the program.
  pollfd ends[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&finished.out, &finished.err};
  auto end = std::chrono::steady_clock::now() + deadline;
  while ((ends[0].fd >= 0 || ends[1].fd >= 0) && std::chrono::steady_clock::now() < end) {
    if (poll(ends, 2, 50) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (ends[i].fd < 0 || ends[i].revents == 0) continue;
      char buffer[4096];
      ssize_t got = read(ends[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(got));
      } else {
        close(ends[i].fd);
        ends[i].fd = -1;
      }
    }
  }
  for (pollfd& left : ends) {
    if (left.fd < 0) continue;
    close(left.fd);
    kill(pid, SIGKILL);
  }
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    finished.exitCode = WEXITSTATUS(status);
  return finished;
}

int runProgram(const std::string& program, const std::vector<std::string>& arguments) {
  return runCaptured(program, arguments).exitCode;
}

}  // namespace vm::test
