#include "colour/digit_text.h"

#include <algorithm>

namespace vm::colour {

std::string digitTextFor(const std::string& hexText) {
  if (hexText.size() == 6) return hexText;
  std::string digits;
  const size_t doubled = std::min<size_t>(hexText.size(), 3);
  for (size_t i = 0; i < doubled; ++i) digits.append(2, hexText[i]);
  // A hex text of one byte ("a", "#a", "##") or none ("#") has nothing to double past its
  // end. Missing places are read as "0" digits, as the third pair of a two-byte text is
  // empty: "a" is red 0xAA with green and blue 0, "#" alone is black. Nothing is logged for
  // them, since they are not characters of the text.
  if (digits.size() < 4) digits.resize(4, '0');
  return digits;
}

}  // namespace vm::colour
