#include "colour/hex.h"

#include <algorithm>
#include <stdexcept>

#include "bridge/foundation.h"

namespace vm::colour {
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

unsigned char lowByte(std::int32_t value) {
  return static_cast<unsigned char>(value & 0xFF);
}

// The hex text hextodec is handed: at least four bytes long.
std::string sixPlaceHexText(std::string_view hexText) {
  if (hexText.size() == 6) return std::string(hexText);
  std::string sixPlaces;
  const size_t doubled = std::min<size_t>(hexText.size(), 3);
  for (size_t i = 0; i < doubled; ++i) sixPlaces.append(2, hexText[i]);
  // A hex text of one byte ("a"; "#" of the colour "##") or none (the colour "#") has
  // nothing to double past its end. Missing places read as "0", as the third pair of a
  // two-byte text is empty: "a" is red 0xAA with green and blue 0, the colour "#" is black. Nothing
  // is logged for them, since they are not characters of the text.
  if (sixPlaces.size() < 4) sixPlaces.resize(4, '0');
  return sixPlaces;
}

}  // namespace

std::int32_t hexValue(std::string_view hexText) {
  // Unsigned arithmetic: the eighth place of "80000000" and above would overflow a signed
  // int. Places beyond the eighth are multiples of 2^32 and so add nothing to a 32-bit
  // value; they are dropped, not wrapped, but their characters are still checked.
  std::uint32_t value = 0;
  unsigned shift = 0;
  for (auto it = hexText.rbegin(); it != hexText.rend(); ++it) {
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

void componentBytes(std::string_view hexText, unsigned char (&bytes)[3]) {
  const std::string sixPlaces = sixPlaceHexText(hexText);
  const std::string_view places = sixPlaces;
  // Separate statements: red, green and blue log in that order.
  const std::int32_t red = hexValue(places.substr(0, 2));
  const std::int32_t green = hexValue(places.substr(2, 2));
  const std::int32_t blue = hexValue(places.substr(4, 2));
  bytes[0] = lowByte(red);
  bytes[1] = lowByte(green);
  bytes[2] = lowByte(blue);
}

}  // namespace vm::colour

int convertFromHex(std::string hexText) {
  return vm::colour::hexValue(hexText);
}

void hextodec(std::string hexText, std::vector<unsigned char>& bytes) {
  // substr(4, 2) raises std::out_of_range for fewer than four characters: cut every piece
  // before converting or writing anything.
  const std::string red = hexText.substr(0, 2);
  const std::string green = hexText.substr(2, 2);
  const std::string blue = hexText.substr(4, 2);
  if (bytes.size() < 3) throw std::out_of_range("hextodec: fewer than three component bytes");
  const int r = convertFromHex(red);
  const int g = convertFromHex(green);
  const int b = convertFromHex(blue);
  bytes[0] = vm::colour::lowByte(r);
  bytes[1] = vm::colour::lowByte(g);
  bytes[2] = vm::colour::lowByte(b);
}
