// What the colour tests observe and control: the rejected-digit log lines a call writes,
// strings of exact bytes, and the random draws.
#pragma once

#include <objc/runtime.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/rgba.h"

namespace vm::test {

// What `call` wrote to stderr: the codes of "Error, invalid char '%d' in hex number"
// lines, in order, and every other line.
struct Logged {
  std::vector<int> rejectedCodes;
  std::vector<std::string> otherLines;
};
Logged logsOf(const std::function<void()>& call);

// An NSString of exactly these UTF-8 bytes (embedded NULs included). Autoreleased.
id stringWithBytes(const std::string& bytes);

// The colour UIColor itself builds from hue, saturation and brightness, alpha 1.0.
id hsbColour(double hue, double saturation, double brightness);

// A random source that hands out a fixed script of draws, and counts them.
struct ScriptedRandom {
  static void install(std::vector<std::uint32_t> draws);
  static void uninstall();
  static size_t drawsTaken();
};

}  // namespace vm::test
