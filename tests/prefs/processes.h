// Running a built program to completion from a test, with its output captured.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace vm::test {

using namespace std::chrono_literals;

// Only ever waited out when something is broken.
inline constexpr std::chrono::milliseconds kProcessTimeout = 10s;

struct Finished {
  int exitCode = -1;  // -1 when it did not exit normally or in time
  std::string out;
  std::string err;
};

// Runs `program` with `args` in the current environment and waits for it, killing it past
// kProcessTimeout. The output goes through files in `scratch` so that no pipe can fill up.
Finished runProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& scratch);

std::string readFile(const std::string& path);

}  // namespace vm::test
