#include "standins/colorpicker/colour_text.h"

#include <cctype>
#include <cmath>

namespace vm::colorpicker {
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

// The value of a decimal that isDecimal and atMostOne accept.
double decimalValue(const std::string& decimal) {
  double value = 0, scale = 1;
  bool fraction = false;
  for (char c : decimal) {
    if (c == '.') {
      fraction = true;
      continue;
    }
    int digit = c - '0';
    if (fraction) {
      scale /= 10;
      value += digit * scale;
    } else {
      value = value * 10 + digit;
    }
  }
  return value;
}

double hexByte(const std::string& hex, size_t at, bool short_form) {
  std::string pair = short_form ? std::string(2, hex[at]) : hex.substr(at * 2, 2);
  return std::stoi(pair, nullptr, 16) / 255.0;
}

int byte(double component) {
  return static_cast<int>(std::lround(std::fmin(std::fmax(component, 0.0), 1.0) * 255));
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

ColourFromText colourFromText(const std::string& text) {
  ColourFromText result;
  result.problem = colourStringProblem(text);
  if (!result.problem.empty()) return result;
  size_t colon = text.find(':');
  std::string hex = text.substr(0, colon);
  if (!hex.empty() && hex[0] == '#') hex.erase(0, 1);
  result.hasDigits = !hex.empty();
  if (result.hasDigits) {
    bool shortForm = hex.size() == 3;
    result.colour.red = hexByte(hex, 0, shortForm);
    result.colour.green = hexByte(hex, 1, shortForm);
    result.colour.blue = hexByte(hex, 2, shortForm);
  }
  result.colour.alpha = colon == std::string::npos ? 1.0 : decimalValue(text.substr(colon + 1));
  return result;
}

std::string storedColourText(const uikit::Rgba& colour) {
  static const char kHex[] = "0123456789abcdef";
  std::string text = "#";
  for (double component : {colour.red, colour.green, colour.blue}) {
    int value = byte(component);
    text += kHex[value >> 4];
    text += kHex[value & 15];
  }
  // Written digit by digit: printf's decimal point follows the locale.
  long millionths = std::lround(std::fmin(std::fmax(colour.alpha, 0.0), 1.0) * 1000000);
  std::string fraction = std::to_string(1000000 + millionths % 1000000).substr(1);
  fraction.erase(fraction.find_last_not_of('0') + 1);
  if (fraction.empty()) fraction = "0";
  return text + ":" + std::to_string(millionths / 1000000) + "." + fraction;
}

}  // namespace vm::colorpicker
