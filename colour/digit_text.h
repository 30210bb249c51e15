// The byte-string half of colour-string parsing, kept apart from the runtime so it can be
// tested on plain strings.
#pragma once

#include <string>

namespace vm::colour {

// The digit text handed to hextodec for a hex text (a colour string's hex part without its
// "#"): the hex text itself when it is exactly six bytes long, otherwise its first three
// bytes each written twice. Always at least four bytes long.
std::string digitTextFor(const std::string& hexText);

}  // namespace vm::colour
