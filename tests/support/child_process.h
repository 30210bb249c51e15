// Another process of this machine for tests that need two: started with arguments, its
// standard output read line by line with a deadline, ended when the test is done.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vm::test {

class ChildProcess {
 public:
  // Starts `program` with `arguments`; the child inherits the environment (and so the
  // case's device root).
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Reads output until a line satisfies `wanted` or the deadline passes; true if found.
  bool waitForLine(const std::function<bool(const std::string&)>& wanted,
                   std::chrono::milliseconds deadline);
  // Everything read so far.
  const std::string& output() const { return output_; }

  // Waits for the child to exit; its exit status, or -1 past the deadline.
  int waitForExit(std::chrono::milliseconds deadline);
  bool running();
  void terminate();

 private:
  pid_t pid_ = -1;
  int stdout_ = -1;
  std::string output_;
  size_t scanned_ = 0;
  int status_ = -1;
};

// For waitForLine: a line that holds `text`.
inline std::function<bool(const std::string&)> lineWith(const std::string& text) {
  return [text](const std::string& line) { return line.find(text) != std::string::npos; };
}

struct Finished {
  int exitCode = -1;  // -1 when it did not exit normally or in time
  std::string out;
  std::string err;
};

// Runs a program to completion with both its outputs captured; past `deadline` it is
// killed.
Finished runCaptured(const std::string& program, const std::vector<std::string>& arguments,
                     std::chrono::milliseconds deadline = std::chrono::seconds(20));

// Runs a program to completion and returns its exit status (-1 if it could not run, or
// not to its end).
int runProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace vm::test
