#include "standins/preferences/colour_text.h"

#include <cctype>

namespace vm::preferences {
namespace {

bool allHexDigits(const std::string& text) {
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Digits with at most one ".", and at least one digit: "1", "0.8", ".5", "1.".
bool isDecimal(const std::string& text) {
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c))) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// Compared digit by digit rather than through strtod, whose decimal point follows the
// process's locale.
bool atMostOne(const std::string& decimal) {
  size_t point = decimal.find('.');
  std::string whole = decimal.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : decimal.substr(point + 1);
  whole.erase(0, whole.find_first_not_of('0'));
  if (whole.empty()) return true;
  return whole == "1" && fraction.find_first_not_of('0') == std::string::npos;
}

}  // namespace

std::string colourStringProblem(const std::string& text) {
  size_t colon = text.find(':');
  std::string hex = text.substr(0, colon);
  if (!hex.empty() && hex[0] == '#') hex.erase(0, 1);
  if (!allHexDigits(hex) || (!hex.empty() && hex.size() != 6 && hex.size() != 3))
    return "the colour part must be 6 or 3 hex digits, with an optional leading #";
  if (colon == std::string::npos) return std::string();
  std::string alpha = text.substr(colon + 1);
  if (!isDecimal(alpha)) return "the alpha after ':' must be a decimal number";
  if (!atMostOne(alpha)) return "the alpha after ':' must be between 0 and 1";
  return std::string();
}

}  // namespace vm::preferences
