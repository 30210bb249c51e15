#include "colour/plain_colour_string.h"

namespace vm::colour {
namespace {

// Up to nine digits the whole number is exact in an int and in a double, and so are the
// powers of ten below: the quotient is rounded once, as both the platform's reader and
// GNUstep's (an integer mantissa scaled by exact powers of ten) round it.
constexpr int kMaxDigits = 9;
constexpr double kPowersOfTen[kMaxDigits + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

}  // namespace

bool plainAlpha(std::string_view text, float* alpha) {
  if (text.empty()) {
    *alpha = 0.0f;
    return true;
  }
  long mantissa = 0;
  int digits = 0, fractionDigits = 0;
  bool dot = false;
  for (char c : text) {
    if (c == '.' && !dot) {
      dot = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > kMaxDigits) return false;
      mantissa = mantissa * 10 + (c - '0');
      if (dot) ++fractionDigits;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  *alpha = static_cast<float>(static_cast<double>(mantissa) / kPowersOfTen[fractionDigits]);
  return true;
}

bool splitPlainColourString(std::string_view text, PlainColourString* parts) {
  const size_t colon = text.find(':');
  parts->hexPart = text.substr(0, colon);
  if (colon == std::string_view::npos) {
    parts->alpha = 1.0f;
    return true;
  }
  std::string_view rest = text.substr(colon + 1);
  return plainAlpha(rest.substr(0, rest.find(':')), &parts->alpha);
}

}  // namespace vm::colour
