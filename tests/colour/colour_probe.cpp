#include "tests/colour/colour_probe.h"

#include <gtest/gtest.h>

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
