// The byte reading of colour strings against the Foundation reading it stands in for.
#include "colour/plain_colour_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bridge/foundation.h"
#include "colour/colour.h"
#include "colour/colour_string.h"
#include "tests/colour/colour_probe.h"

namespace {

using vm::test::componentsOf;
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

class PlainColourStringTest : public ::testing::Test {
 protected:
  void TearDown() override { vm::test::ScriptedRandom::uninstall(); }
  vm::AutoreleasePool pool_;
};

TEST_F(PlainColourStringTest, PlainAlphaReadsWhatFloatValueReads) {
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

TEST_F(PlainColourStringTest, OtherAlphaTextsAreLeftToFoundation) {
  for (const char* text : {" 0.5", "\t1", "+.5", "-0", "-0.5", "1e-1", "0x1", "nan", "inf", ".",
                           "..5", "0.5.1", "5abc", "0.5 ", "\xC3\xA9", "0.00000000001"}) {
    float alpha = -1;
    EXPECT_FALSE(vm::colour::plainAlpha(text, &alpha)) << text;
  }
}

// Every text reads to the same colour, logs the same rejected digits and draws as many
// random numbers whichever way it is read.
TEST_F(PlainColourStringTest, ColourStringsReadAsFoundationReadsThem) {
  const std::string alphas[] = {"",          "0.5",      " 0.5", "+.5",  "1e-1", "0x1",
                                "nan",       "inf",      "-0",   ".",    "5abc", "2",
                                "0.3333333", "\xC3\xA9", " ",    "1:0.5"};
  const std::string hexParts[] = {"#a1a1a1", "a1b2c3", "#abc", "",   "#",
                                  "##abc",   "zz0000", "#g1",  "ab", std::string(70, 'f')};
  for (const std::string& hex : hexParts) {
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
