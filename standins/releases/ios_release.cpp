#include "standins/releases/ios_release.h"

#include <cstdlib>
#include <regex>

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

// Each profile with the minor versions of its major version that it covers.
struct Profile {
  Release release;
  const char* name;
  const char* value;
  int major, firstMinor, lastMinor;
};

constexpr Profile kProfiles[] = {
    {Release::iOS6, "iOS 6.0-6.1", "6.0", 6, 0, 1},
    {Release::iOS7_0, "iOS 7.0", "7.0", 7, 0, 0},
    {Release::iOS7_1, "iOS 7.1", "7.1", 7, 1, 1},
    {Release::iOS8_0, "iOS 8.0-8.2", "8.0", 8, 0, 2},
    {Release::iOS8_3, "iOS 8.3-8.4", "8.3", 8, 3, 4},
    {Release::iOS9, "iOS 9.0-9.3", "9.0", 9, 0, 3},
};

const Profile* profileOf(Release release) {
  for (const Profile& profile : kProfiles)
    if (profile.release == release) return &profile;
  return nullptr;
}

}  // namespace

const char* displayName(Release release) {
  const Profile* profile = profileOf(release);
  return profile != nullptr ? profile->name : "the complete set";
}

const char* optionValue(Release release) {
  const Profile* profile = profileOf(release);
  return profile != nullptr ? profile->value : "";
}

const char* releaseList() {
  return "6.0-6.1, 7.0, 7.1, 8.0-8.2, 8.3-8.4, 9.0-9.3";
}

std::optional<Release> parseRelease(const std::string& text) {
  static const std::regex kVersion("([0-9]{1,2})\\.([0-9]{1,2})(\\.[0-9]{1,2})?");
  std::smatch parts;
  if (!std::regex_match(text, parts, kVersion)) return std::nullopt;
  int major = std::stoi(parts[1].str());
  int minor = std::stoi(parts[2].str());
  for (const Profile& profile : kProfiles)
    if (profile.major == major && minor >= profile.firstMinor && minor <= profile.lastMinor)
      return profile.release;
  return std::nullopt;
}

Release currentRelease() {
  return reading().release;
}

bool releaseVariableIsValid() {
  return reading().valid;
}

}  // namespace vm::releases
