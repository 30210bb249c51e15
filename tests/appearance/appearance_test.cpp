#include "tests/appearance/appearance_test.h"

#include "bridge/foundation.h"
#include "tweak/feature_flags.h"

namespace vm::test {

const std::array<UserColour, 6> kUserColours{{
    {"vmColor1", "#ff0000:0.5", {1, 0, 0, 0.5}},
    {"vmColor2", "#00ff00", {0, 1, 0, 1}},
    {"vmColor3", "0000ff:0.25", {0, 0, 1, 0.25}},
    {"vmColor4", "#ffff00", {1, 1, 0, 1}},
    {"vmColor5", "#0ff:0.5", {0, 1, 1, 0.5}},
    {"vmColor6", "#ff00ff:0.75", {1, 0, 1, 0.75}},
}};

Rgba userRgba(const char* key) {
  for (const UserColour& colour : kUserColours)
    if (std::string(colour.key) == key) return colour.rgba;
  ADD_FAILURE() << "no user colour " << key;
  return Rgba{};
}

Rgba fallbackRgba() {
  // Bytes are divided in single precision by the colour functions, on every device width.
  double grey = static_cast<double>(static_cast<float>(0xa1) / 255.0f);
  return Rgba{grey, grey, grey, 1.0};
}

void AppearanceTest::storeUserColours() const {
  std::string body;
  for (const UserColour& colour : kUserColours)
    body += std::string("<key>") + colour.key + "</key><string>" + colour.stored + "</string>\n";
  writeSettings(body);
}

void AppearanceTest::storeColour(const char* key, const char* colourString) const {
  writeSettings(std::string("<key>") + key + "</key><string>" + colourString + "</string>");
}

id AppearanceTest::makeView(const char* className, CGRect frame) {
  id view = send<id>(send<id>(cls(className), sel::alloc), sel::initWithFrame_, frame);
  if (view != nil) views_.push_back(view);
  return view;
}

void AppearanceTest::TearDown() {
  for (id view : views_) release(view);
  views_.clear();
  SpringBoardProcessTest::TearDown();
}

id AppearanceTest::someColour() {
  return send<id>(vm::cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, CGFloat{0.25},
                  CGFloat{0.5}, CGFloat{0.75}, CGFloat{0.5});
}

}  // namespace vm::test
