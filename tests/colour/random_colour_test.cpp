// The random colour's grids; the order of its draws shows in colorFromHex's test.
#include "colour/random_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace {

using vm::colour::Hsb;

struct DrawCase {
  std::uint32_t hue, saturation, brightness;
  Hsb expected;
};

TEST(HsbFromDraws, MasksEachDrawOntoItsGrid) {
  const DrawCase cases[] = {
      DrawCase{0, 0, 0, {0.0, 0.5, 0.5}},
      DrawCase{0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, {0.99609375, 0.99609375, 0.99609375}},
      // Hue keeps 8 bits, saturation and brightness 7.
      DrawCase{0x180, 0x80, 0xFF, {0.5, 0.5, 0.99609375}},
      DrawCase{0x12345601, 0x40, 0x3F, {1.0 / 256, 0.75, 0.74609375}}};
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.hue);
    Hsb hsb = vm::colour::hsbFromDraws(c.hue, c.saturation, c.brightness);
    EXPECT_EQ(hsb.hue, c.expected.hue);
    EXPECT_EQ(hsb.saturation, c.expected.saturation);
    EXPECT_EQ(hsb.brightness, c.expected.brightness);
  }
}

TEST(DrawRandomHsb, SystemSourceStaysOnTheGridsAndVaries) {
  std::set<std::tuple<double, double, double>> seen;
  for (int i = 0; i < 64; ++i) {
    Hsb hsb = vm::colour::drawRandomHsb();
    for (double steps :
         {hsb.hue * 256, (hsb.saturation - 0.5) * 256, (hsb.brightness - 0.5) * 256}) {
      EXPECT_EQ(steps, std::floor(steps));
      EXPECT_GE(steps, 0.0);
    }
    EXPECT_LT(hsb.hue, 1.0);
    EXPECT_LT(hsb.saturation, 1.0);
    EXPECT_LT(hsb.brightness, 1.0);
    seen.emplace(hsb.hue, hsb.saturation, hsb.brightness);
  }
  EXPECT_GT(seen.size(), 1u);
}

}  // namespace
