#include "tests/colour/colour_probe.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <sstream>

#include "bridge/foundation.h"
#include "colour/random_colour.h"

namespace vm::test {
namespace {

constexpr NSUInteger kUTF8Encoding = 4;

std::vector<std::uint32_t> gScript;
size_t gTaken = 0;

std::uint32_t nextScripted() {
  std::uint32_t draw = gTaken < gScript.size() ? gScript[gTaken] : 0;
  ++gTaken;
  return draw;
}

}  // namespace

Rgba componentsOf(id colour) {
  Rgba c{-1, -1, -1, -1};
  EXPECT_NE(colour, nil);
  send<BOOL>(colour, sel::getRed_green_blue_alpha_, &c.red, &c.green, &c.blue, &c.alpha);
  return c;
}

Logged logsOf(const std::function<void()>& call) {
  ::testing::internal::CaptureStderr();
  call();
  std::fflush(stderr);
  std::istringstream text(::testing::internal::GetCapturedStderr());
  Logged logged;
  const std::string prefix = "Error, invalid char '";
  for (std::string line; std::getline(text, line);) {
    size_t at = line.find(prefix);
    size_t end = at == std::string::npos ? at : line.find("' in hex number", at);
    if (end == std::string::npos) {
      logged.otherLines.push_back(line);
      continue;
    }
    logged.rejectedCodes.push_back(std::stoi(line.substr(at + prefix.size())));
  }
  return logged;
}

std::string caseLabel(const std::string& text) {
  constexpr size_t kShown = 16;
  if (text.empty()) return "empty";
  std::string label;
  for (size_t i = 0; i < text.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (std::isalnum(c) || c == '#' || c == ':' || c == '.' || c == '-') {
      label += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "_%02X", c);
      label += hex;
    }
  }
  if (text.size() > kShown) label += "_len" + std::to_string(text.size());
  return label;
}

id stringWithBytes(const std::string& bytes) {
  id string =
      send<id>(send<id>(cls::NSString.get(), sel::alloc), sel::initWithBytes_length_encoding_,
               static_cast<const void*>(bytes.data()), NSUInteger{bytes.size()}, kUTF8Encoding);
  return send<id>(string, sel::autorelease);
}

id hsbColour(double hue, double saturation, double brightness) {
  return send<id>(cls::UIColor.get(), sel::colorWithHue_saturation_brightness_alpha_, hue,
                  saturation, brightness, CGFloat{1.0});
}

void ScriptedRandom::install(std::vector<std::uint32_t> draws) {
  gScript = std::move(draws);
  gTaken = 0;
  colour::setRandomSource(nextScripted);
}

void ScriptedRandom::uninstall() {
  colour::setRandomSource(nullptr);
}

size_t ScriptedRandom::drawsTaken() {
  return gTaken;
}

}  // namespace vm::test
