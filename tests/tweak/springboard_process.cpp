#include "tests/tweak/springboard_process.h"

#include <string>

#include "bridge/foundation.h"
#include "standins/springboard/springboard.h"
#include "tweak/installer.h"
#include "tweak/settings.h"

namespace vm::test {
namespace {

struct UserColour {
  const char* key;
  const char* stored;  // the colour string in the settings file
  Rgba rgba;           // what the lookup makes of it
};
const UserColour kUserColours[] = {
    {"vmColor1", "#ff0000:0.5", {1, 0, 0, 0.5}},  {"vmColor2", "#00ff00", {0, 1, 0, 1}},
    {"vmColor3", "0000ff:0.25", {0, 0, 1, 0.25}}, {"vmColor4", "#ffff00", {1, 1, 0, 1}},
    {"vmColor5", "#0ff:0.5", {0, 1, 1, 0.5}},     {"vmColor6", "#ff00ff:0.75", {1, 0, 1, 0.75}},
};

}  // namespace

Rgba userRgba(const char* key) {
  for (const UserColour& colour : kUserColours)
    if (std::string(colour.key) == key) return colour.rgba;
  ADD_FAILURE() << "no user colour " << key;
  return Rgba{};
}

void SpringBoardProcessTest::SetUp() {
  DeviceRootTest::SetUp();
  VMRegisterSpringBoardClasses();
}

void SpringBoardProcessTest::TearDown() {
  for (id object : made_) release(object);
  made_.clear();
  DeviceRootTest::TearDown();
}

id SpringBoardProcessTest::keep(id object) {
  if (object != nil) made_.push_back(object);
  return object;
}

id SpringBoardProcessTest::make(const char* className) {
  return keep(send<id>(send<id>(cls(className), sel::alloc), sel::init));
}

id SpringBoardProcessTest::makeView(const char* className, CGRect frame) {
  return keep(send<id>(send<id>(cls(className), sel::alloc), sel::initWithFrame_, frame));
}

void SpringBoardProcessTest::installTweak() {
  initSettings();
  installHooks();
}

void SpringBoardProcessTest::storeUserColours() const {
  std::string body;
  for (const UserColour& colour : kUserColours) body += stringEntry(colour.key, colour.stored);
  writeSettings(body);
}

id SpringBoardProcessTest::someColour() {
  return send<id>(vm::cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, CGFloat{0.25},
                  CGFloat{0.5}, CGFloat{0.75}, CGFloat{0.5});
}

}  // namespace vm::test
