// Colour strings to colours: the four functions both deliverables export under these names
// (global namespace, C++ linkage). Colours are UIColor objects found at run time, so this
// library needs only the runtime bridge.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

#include "bridge/export.h"

// The value of a text of hex digits read from its last character toward its first, as a
// 32-bit number. A character that is not a hex digit is logged ("Error, invalid char '%d'
// in hex number", its signed code), counts as 0 and still takes its place. Only the last
// eight places fit the 32 bits; characters before them are still checked and logged, but
// add nothing.
VM_EXPORT int convertFromHex(std::string text);

// Cuts `digits` into characters 0-1, 2-3 and 4-5, converts them as red, green, blue (in
// that order, so log lines come in that order) and stores the low 8 bits of each in
// elements 0, 1 and 2 of `bytes`. Fewer than four characters raise std::out_of_range
// before anything is written; so does a vector of fewer than three elements.
VM_EXPORT void hextodec(std::string digits, std::vector<unsigned char>& bytes);

// A UIColor from the hex part of a colour string: six hex digits, or three that each stand
// for two, with at most one leading "#" removed. nil or an empty string gives a random
// colour. Returns an autoreleased colour (nil only when UIColor does not exist).
VM_EXPORT id colorFromHex(id text);

// The colour stored under `key` in the settings file of `domain`
// ("/var/mobile/Library/Preferences/<domain>.plist", checked on every call and read again
// whenever it changed: settings_store/settings_domain.h), with its ":alpha" applied; the colour of
// the `fallback` colour string when the file, the key or a string value is missing.
// Returns an autoreleased colour.
VM_EXPORT id colorFromDefaultsWithKey(id domain, id key, id fallback);
