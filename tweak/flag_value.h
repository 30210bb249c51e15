// What a settings value means for a feature flag.
#pragma once

#include <objc/runtime.h>

#include <optional>
#include <string_view>

namespace velmotint {

// A number (booleans included) is on when it is non-zero. A string is read the way the
// platform reads a string's truth: after leading white space and an optional sign and
// zeros, on if the next character is Y, y, T, t or a digit 1 to 9 ("YES", "true", "1",
// "007"), off otherwise ("NO", "0", ""). Any other type (data, date, array, dictionary)
// has no truth: the flag keeps its value, as for an absent key, rather than sending it a
// message it does not answer.
std::optional<bool> flagValue(id value);

// The string rule above, on UTF-8 text.
bool stringTruth(std::string_view text);

}  // namespace velmotint
