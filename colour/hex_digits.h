// Hex digits to component bytes on borrowed bytes: what convertFromHex and hextodec do,
// without a string copy per piece.
#pragma once

#include <cstdint>
#include <string_view>

namespace vm::colour {

// convertFromHex of `text`, with the same log lines in the same order.
std::int32_t hexValue(std::string_view text);

// hextodec of a digit text of at least four bytes: pieces 0-1, 2-3, 4-5 converted as red,
// green, blue, in that order.
void componentBytes(std::string_view digits, unsigned char (&bytes)[3]);

}  // namespace vm::colour
