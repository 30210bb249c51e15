// colorFromHex: the hex forms, rejected bytes, the hex texts too short to double, and the
// random colour for nil and empty text. Whole colour strings: the byte reading against the
// Foundation reading it stands in for.
#include "colour/colour_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bridge/foundation.h"
#include "tests/colour/colour_probe.h"

namespace {

using vm::test::componentsOf;
using vm::test::Logged;
using vm::test::logsOf;
using vm::test::Rgba;

float floatValueOf(const std::string& text) {
  return vm::send<float>(vm::test::stringWithBytes(text), vm::sel::floatValue);
}

// The colour string read one Foundation message at a time.
id colourByMessages(id text) {
  id parts = vm::send<id>(text, vm::sel::componentsSeparatedByString_, vm::nsString(":"));
  float alpha = 1.0f;
  if (vm::send<NSUInteger>(parts, vm::sel::count) > 1)
    alpha = vm::send<float>(vm::send<id>(parts, vm::sel::objectAtIndex_, NSUInteger{1}),
                            vm::sel::floatValue);
  id colour = colorFromHex(vm::send<id>(parts, vm::sel::objectAtIndex_, NSUInteger{0}));
  return vm::send<id>(colour, vm::sel::colorWithAlphaComponent_, static_cast<CGFloat>(alpha));
}

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

class ColourStringTest : public ::testing::Test {
 protected:
  void TearDown() override { vm::test::ScriptedRandom::uninstall(); }
  vm::AutoreleasePool pool_;
};

TEST_F(ColourStringTest, PlainAlphaReadsWhatFloatValueReads) {
  for (int n = 0; n < 10000; ++n) {
    for (const std::string& text :
         {std::to_string(n), "0." + std::to_string(n), "." + std::to_string(n),
          std::to_string(n / 100) + "." + std::to_string(n % 100), std::to_string(n) + "."}) {
      float alpha = -1;
      ASSERT_TRUE(vm::colour::plainAlpha(text, &alpha)) << text;
      ASSERT_EQ(alpha, floatValueOf(text)) << text;
    }
  }
  float alpha = -1;
  ASSERT_TRUE(vm::colour::plainAlpha("123456789", &alpha));
  EXPECT_EQ(alpha, floatValueOf("123456789"));
  EXPECT_FALSE(vm::colour::plainAlpha("1234567890", &alpha));
}

TEST_F(ColourStringTest, OtherAlphaTextsAreLeftToFoundation) {
  for (const char* text : {" 0.5", "\t1", "+.5", "-0", "-0.5", "1e-1", "0x1", "nan", "inf", ".",
                           "..5", "0.5.1", "5abc", "0.5 ", "\xC3\xA9", "0.00000000001"}) {
    float alpha = -1;
    EXPECT_FALSE(vm::colour::plainAlpha(text, &alpha)) << text;
  }
}

// Every text reads to the same colour, logs the same rejected digits and draws as many
// random numbers whichever way it is read.
TEST_F(ColourStringTest, ColourStringsReadAsFoundationReadsThem) {
  const std::string alphas[] = {"",          "0.5",      " 0.5", "+.5",  "1e-1", "0x1",
                                "nan",       "inf",      "-0",   ".",    "5abc", "2",
                                "0.3333333", "\xC3\xA9", " ",    "1:0.5"};
  const std::string hexTexts[] = {"#a1a1a1", "a1b2c3", "#abc", "",   "#",
                                  "##abc",   "zz0000", "#g1",  "ab", std::string(70, 'f')};
  for (const std::string& hex : hexTexts) {
    for (const std::string& alpha : alphas) {
      for (const std::string& text : {hex, hex + ":" + alpha}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        id input = vm::test::stringWithBytes(text);
        vm::test::ScriptedRandom::install({5, 6, 7});
        id want = nil;
        const auto wantLog = logsOf([&] { want = colourByMessages(input); });
        vm::test::ScriptedRandom::install({5, 6, 7});
        id got = nil;
        const auto gotLog = logsOf([&] { got = vm::colour::colourFromColourString(input); });
        const size_t draws = vm::test::ScriptedRandom::drawsTaken();
        Rgba g = componentsOf(got), w = componentsOf(want);
        EXPECT_EQ(std::memcmp(&g, &w, sizeof g), 0) << "the same bits, -0 and NaN included";
        EXPECT_EQ(gotLog.rejectedCodes, wantLog.rejectedCodes);
        EXPECT_EQ(draws, hex.empty() ? 3u : 0u);
      }
    }
  }
}

}  // namespace
