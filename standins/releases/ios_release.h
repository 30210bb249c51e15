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

// One profile per run of releases that agree on every class and method the tweak replaces.
enum class Release { Complete, iOS6, iOS7_0, iOS7_1, iOS8_0, iOS8_3, iOS9 };

// The releases users run, oldest first.
inline constexpr Release kUserReleases[] = {Release::iOS6,   Release::iOS7_0, Release::iOS7_1,
                                            Release::iOS8_0, Release::iOS8_3, Release::iOS9};

inline constexpr const char* kReleaseVariable = "VELMOTINT_IOS_RELEASE";

// "iOS 6.0-6.1", "iOS 7.0", "iOS 7.1", "iOS 8.0-8.2", "iOS 8.3-8.4", "iOS 9.0-9.3";
// "the complete set" for Complete.
const char* displayName(Release release);
// The value that selects the release: its first version ("6.0", "8.3"); empty for Complete.
const char* optionValue(Release release);
// The profile that covers a version written X.Y or X.Y.Z ("8.4", "9.3.5"); nothing for any
// other text or a version outside 6.0-9.3.
std::optional<Release> parseRelease(const std::string& text);
// The versions parseRelease takes, for messages: "6.0-6.1, 7.0, 7.1, 8.0-8.2, 8.3-8.4, 9.0-9.3".
const char* releaseList();

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
