#include <cstdint>
#include <stdexcept>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/hex_digits.h"

namespace {

// -1 for a character that is not a hex digit.
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The 32-bit value has room for eight hex places; a shift of 32 or more would be undefined.
constexpr unsigned kValueBits = 32;

}  // namespace

namespace vm::colour {

std::int32_t hexValue(std::string_view text) {
  // Unsigned arithmetic: the eighth place of "80000000" and above would overflow a signed
  // int. Places beyond the eighth are multiples of 2^32 and so add nothing to a 32-bit
  // value; they are dropped, not wrapped, but their characters are still checked.
  std::uint32_t value = 0;
  unsigned shift = 0;
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    int digit = hexDigit(*it);
    if (digit < 0) {
      logf("Error, invalid char '%d' in hex number",
           static_cast<int>(static_cast<signed char>(*it)));
    } else if (shift < kValueBits) {
      value += static_cast<std::uint32_t>(digit) << shift;
    }
    if (shift < kValueBits) shift += 4;
  }
  return static_cast<std::int32_t>(value);
}

void componentBytes(std::string_view digits, unsigned char (&bytes)[3]) {
  const std::int32_t red = hexValue(digits.substr(0, 2));
  const std::int32_t green = hexValue(digits.substr(2, 2));
  const std::int32_t blue = hexValue(digits.substr(4, 2));
  bytes[0] = static_cast<unsigned char>(red & 0xFF);
  bytes[1] = static_cast<unsigned char>(green & 0xFF);
  bytes[2] = static_cast<unsigned char>(blue & 0xFF);
}

}  // namespace vm::colour

int convertFromHex(std::string text) {
  return vm::colour::hexValue(text);
}

void hextodec(std::string digits, std::vector<unsigned char>& bytes) {
  // substr(4, 2) raises std::out_of_range for fewer than four characters: cut every piece
  // before converting or writing anything.
  const std::string red = digits.substr(0, 2);
  const std::string green = digits.substr(2, 2);
  const std::string blue = digits.substr(4, 2);
  if (bytes.size() < 3) throw std::out_of_range("hextodec: fewer than three component bytes");
  const int r = convertFromHex(red);
  const int g = convertFromHex(green);
  const int b = convertFromHex(blue);
  bytes[0] = static_cast<unsigned char>(r & 0xFF);
  bytes[1] = static_cast<unsigned char>(g & 0xFF);
  bytes[2] = static_cast<unsigned char>(b & 0xFF);
}
