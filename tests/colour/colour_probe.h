// What the colour tests observe: a colour's components, the rejected-digit log lines a
// call writes, and settings files in either property-list encoding.
#pragma once

#include <objc/runtime.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/rgba.h"

namespace vm::test {

// The components from -getRed:green:blue:alpha:.
Rgba componentsOf(id colour);

// A colour component as the colour functions compute it from a byte.
inline double byteComponent(unsigned char byte) {
  return static_cast<double>(static_cast<float>(byte) / 255.0f);
}
inline Rgba rgbaOfBytes(unsigned char red, unsigned char green, unsigned char blue, double alpha) {
  return Rgba{byteComponent(red), byteComponent(green), byteComponent(blue), alpha};
}

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

// A short test-name-safe label for a text: letters, digits, "#", ":", ".", "-" as they
// are, other bytes as "_" and two hex digits, long texts cut with their length noted.
std::string caseLabel(const std::string& text);

// A random source that hands out a fixed script of draws, and counts them.
struct ScriptedRandom {
  static void install(std::vector<std::uint32_t> draws);
  static void uninstall();
  static size_t drawsTaken();
};

}  // namespace vm::test
