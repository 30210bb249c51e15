// Running the built programs from a test: to completion with their output captured, or in
// the background with their output going to a file that the test watches.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace vm::test {

using namespace std::chrono_literals;

// Only ever waited out when something is broken.
inline constexpr std::chrono::milliseconds kProcessTimeout = 10s;

struct Finished {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args` in the current environment and waits for it. The output
// goes through files in `scratch` so that no pipe can fill up.
Finished runProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& scratch);

// Starts `program` with stdout and stderr going to `outputFile`; its process id, or -1.
pid_t startProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::string& outputFile);

// Waits until `file` holds `text` `times` times; false on timeout.
bool waitForText(const std::string& file, const std::string& text, int times = 1,
                 std::chrono::milliseconds timeout = kProcessTimeout);

// Waits for `pid` to end; its wait status, or -1 on timeout (the process is then killed).
int waitForEnd(pid_t pid, std::chrono::milliseconds timeout = kProcessTimeout);

std::string readFile(const std::string& path);

}  // namespace vm::test
