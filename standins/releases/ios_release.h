// Which iOS release the simulated device is, and what that release has of the classes and
// methods the tweak replaces. Both stand-ins ask here before they create a class or add a
// method, so a process plays one release throughout.
//
// UIKit's classes exist before any code that links it runs, as on the device, so the
// release is chosen before the stand-ins load: through the environment variable below,
// read once. Unset, the process plays the complete set: every class and method the tweak
// replaces, which no real release has.
#pragma once

#include <optional>
#include <string>

namespace vm::releases {

enum class Release { Complete, iOS7_0, iOS7_1, iOS8 };

// The releases users run, oldest first.
inline constexpr Release kUserReleases[] = {Release::iOS7_0, Release::iOS7_1, Release::iOS8};

inline constexpr const char* kReleaseVariable = "VELMOTINT_IOS_RELEASE";

// "iOS 7.0", "iOS 7.1", "iOS 8.x"; "the complete set" for Complete.
const char* displayName(Release release);
// The value that selects the release: "7.0", "7.1", "8"; empty for Complete.
const char* optionValue(Release release);
// "7.0", "7.1", "8" (also "8.0", "8.x"); nothing for any other text.
std::optional<Release> parseRelease(const std::string& text);

// The release this process plays, from the environment variable. An unset or empty
// variable means Complete; one that names no release also gives Complete, and
// releaseVariableIsValid() says so.
Release currentRelease();
bool releaseVariableIsValid();

// Whether `release` has the class, and the class the method (an instance method, or a
// class method when `classMethod`). A method counts only on a class the release has.
bool hasClass(Release release, const char* className);
bool hasMethod(Release release, const char* className, bool classMethod, const char* selector);

}  // namespace vm::releases
