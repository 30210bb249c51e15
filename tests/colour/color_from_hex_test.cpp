// colorFromHex: the hex forms, rejected bytes, the texts too short to double, and the
// random colour for nil and empty text.
#include <gtest/gtest.h>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "tests/colour/colour_probe.h"

namespace {

using vm::test::componentsOf;
using vm::test::Logged;
using vm::test::logsOf;

struct ParseCase {
  std::string input;  // UTF-8 bytes, NULs included
  unsigned char red, green, blue;
  std::vector<int> rejected;
};

TEST(ColorFromHex, GivesByteComponentsAndAlphaOne) {
  const ParseCase cases[] = {
      ParseCase{"#a1b2c3", 161, 178, 195, {}}, ParseCase{"a1b2c3", 161, 178, 195, {}},
      ParseCase{"#A1B2C3", 161, 178, 195, {}}, ParseCase{"#abc", 0xAA, 0xBB, 0xCC, {}},
      ParseCase{"abc", 0xAA, 0xBB, 0xCC, {}}, ParseCase{"ab", 0xAA, 0xBB, 0, {}},
      ParseCase{"abcd", 0xAA, 0xBB, 0xCC, {}}, ParseCase{"abcde", 0xAA, 0xBB, 0xCC, {}},
      ParseCase{"abcdefg", 0xAA, 0xBB, 0xCC, {}}, ParseCase{"##abc", 0, 0xAA, 0xBB, {'#', '#'}},
      ParseCase{"zz0000", 0, 0, 0, {'z', 'z'}}, ParseCase{"g10000", 1, 0, 0, {'g'}},
      // Six bytes with a two-byte character: read byte by byte, each byte rejected.
      ParseCase{std::string("\xC3\xA9") + "1234", 0, 0x12, 0x34, {-87, -61}},
      ParseCase{std::string("\xC3\xA9") + "a", 0, 0, 0xAA, {-61, -61, -87, -87}},
      // The hex text ends at an embedded NUL, as UTF8String hands it over.
      ParseCase{std::string("ab\0cdef", 7), 0xAA, 0xBB, 0, {}},
      ParseCase{std::string(100000, 'a'), 0xAA, 0xAA, 0xAA, {}},
      // Hex texts of one byte or none: the missing places read as 0.
      ParseCase{"a", 0xAA, 0, 0, {}}, ParseCase{"#a", 0xAA, 0, 0, {}},
      ParseCase{"##", 0, 0, 0, {'#', '#'}}, ParseCase{"#", 0, 0, 0, {}}};
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.input));
    vm::AutoreleasePool pool;
    id colour = nil;
    Logged logged = logsOf([&] { colour = colorFromHex(vm::test::stringWithBytes(c.input)); });
    EXPECT_EQ(componentsOf(colour), vm::test::rgbaOfBytes(c.red, c.green, c.blue, 1.0));
    EXPECT_EQ(logged.rejectedCodes, c.rejected);
    EXPECT_TRUE(logged.otherLines.empty());
  }
}

TEST(ColorFromHex, NilAndEmptyTextDrawHueSaturationBrightnessAndAHashAloneDoesNot) {
  vm::AutoreleasePool pool;
  for (id text : {id{nil}, vm::nsString("")}) {
    vm::test::ScriptedRandom::install({0x110, 0xA0, 0x30});
    id colour = colorFromHex(text);
    EXPECT_EQ(vm::test::ScriptedRandom::drawsTaken(), 3u);
    EXPECT_EQ(componentsOf(colour), componentsOf(vm::test::hsbColour(0.0625, 0.625, 0.6875)));
  }
  vm::test::ScriptedRandom::install({0x80, 0x40, 0x40});
  colorFromHex(vm::nsString("#"));
  EXPECT_EQ(vm::test::ScriptedRandom::drawsTaken(), 0u);
  vm::test::ScriptedRandom::uninstall();
}

}  // namespace
