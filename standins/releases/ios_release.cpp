#include "standins/releases/ios_release.h"

#include <cstdlib>

namespace vm::releases {
namespace {

struct Reading {
  Release release = Release::Complete;
  bool valid = true;
};

const Reading& reading() {
  static const Reading once = [] {
    Reading result;
    const char* text = std::getenv(kReleaseVariable);
    if (text == nullptr || *text == '\0') return result;
    std::optional<Release> parsed = parseRelease(text);
    result.valid = parsed.has_value();
    if (parsed) result.release = *parsed;
    return result;
  }();
  return once;
}

}  // namespace

const char* displayName(Release release) {
  switch (release) {
    case Release::iOS7_0:
      return "iOS 7.0";
    case Release::iOS7_1:
      return "iOS 7.1";
    case Release::iOS8:
      return "iOS 8.x";
    case Release::Complete:
      break;
  }
  return "the complete set";
}

const char* optionValue(Release release) {
  switch (release) {
    case Release::iOS7_0:
      return "7.0";
    case Release::iOS7_1:
      return "7.1";
    case Release::iOS8:
      return "8";
    case Release::Complete:
      break;
  }
  return "";
}

std::optional<Release> parseRelease(const std::string& text) {
  if (text == "7.0") return Release::iOS7_0;
  if (text == "7.1") return Release::iOS7_1;
  if (text == "8" || text == "8.0" || text == "8.x") return Release::iOS8;
  return std::nullopt;
}

Release currentRelease() {
  return reading().release;
}

bool releaseVariableIsValid() {
  return reading().valid;
}

}  // namespace vm::releases
