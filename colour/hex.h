// Hex text to numbers, on plain bytes: the two conversions both deliverables export under
// these names (global namespace, C++ linkage), and the copy-free forms the colour strings
// use. A hex text is the characters a colour is written in, "#" removed ("a1b2c3", "abc").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "bridge/export.h"

// The value of a hex text read from its last character toward its first, as a 32-bit
// number. A character that is not a hex digit is logged ("Error, invalid char '%d' in hex
// number", its signed code), counts as 0 and still takes its place. Only the last eight
// places fit the 32 bits; characters before them are still checked and logged, but add
// nothing.
VM_EXPORT int convertFromHex(std::string hexText);

// Cuts `hexText` into characters 0-1, 2-3 and 4-5, converts them as red, green, blue (in
// that order, so log lines come in that order) and stores the low 8 bits of each in
// elements 0, 1 and 2 of `bytes`. Fewer than four characters raise std::out_of_range
// before anything is written; so does a vector of fewer than three elements.
VM_EXPORT void hextodec(std::string hexText, std::vector<unsigned char>& bytes);

namespace vm::colour {

// convertFromHex of `hexText`, with the same log lines in the same order.
std::int32_t hexValue(std::string_view hexText);

// The red, green and blue bytes of a colour's hex text, as hextodec stores them: from the
// text itself when it is exactly six bytes long, otherwise from its first three bytes each
// written twice ("abc" reads as "aabbcc", "ab" as "aabb"). Places a text of fewer than two
// bytes lacks read as "0" and log nothing.
void componentBytes(std::string_view hexText, unsigned char (&bytes)[3]);

}  // namespace vm::colour
