// convertFromHex and hextodec: values, rejected characters and their log lines.
#include "colour/hex.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <utility>

#include "tests/colour/colour_probe.h"

namespace {

using vm::test::Logged;
using vm::test::logsOf;

struct HexCase {
  std::string text;
  int value;
  std::vector<int> rejected;
};

TEST(ConvertFromHex, GivesValueAndLogsRejectedCharactersLastFirst) {
  const HexCase cases[] = {
      HexCase{"", 0, {}}, HexCase{"ff", 255, {}}, HexCase{"FF", 255, {}}, HexCase{"fF", 255, {}},
      HexCase{"0a", 10, {}}, HexCase{"a0", 160, {}}, HexCase{"7", 7, {}}, HexCase{"g1", 1, {103}},
      HexCase{"1g", 16, {103}}, HexCase{"zy", 0, {121, 122}}, HexCase{" ", 0, {32}},
      HexCase{"\xC3", 0, {-61}}, HexCase{std::string("1\0", 2), 16, {0}},
      // The full 32 bits, then places beyond the eighth, which add nothing.
      HexCase{"ffffffff", -1, {}}, HexCase{"80000000", INT_MIN, {}},
      HexCase{"123456789", 0x23456789, {}}, HexCase{std::string(200, 'f'), -1, {}},
      HexCase{"1" + std::string(64, '0'), 0, {}}, HexCase{"g00000000", 0, {103}}};
  for (const HexCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    int value = 0;
    Logged logged = logsOf([&] { value = convertFromHex(c.text); });
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(logged.rejectedCodes, c.rejected);
    EXPECT_TRUE(logged.otherLines.empty());
  }
}

struct SplitCase {
  std::string hexText;
  std::vector<unsigned char> bytes;
  std::vector<int> rejected;  // red's, then green's, then blue's
};

TEST(Hextodec, StoresRedGreenBlueFromCharacterPairsConvertedInThatOrder) {
  const SplitCase cases[] = {{"a1b2c3", {161, 178, 195}, {}},
                             {"aabbccdd", {170, 187, 204}, {}},
                             {"aabb", {170, 187, 0}, {}},
                             {"aabbc", {170, 187, 12}, {}},
                             {"g1h1i1", {1, 1, 1}, {'g', 'h', 'i'}}};
  for (const SplitCase& c : cases) {
    std::vector<unsigned char> bytes{9, 9, 9, 42};
    Logged logged = logsOf([&] { hextodec(c.hexText, bytes); });
    std::vector<unsigned char> expected = c.bytes;
    expected.push_back(42);  // only elements 0 to 2 are written, nothing is resized
    EXPECT_EQ(bytes, expected) << c.hexText;
    EXPECT_EQ(logged.rejectedCodes, c.rejected) << c.hexText;
  }
}

// Too short a text, or too few component bytes: raises before writing or logging anything.
TEST(Hextodec, ShortTextOrTooFewBytesRaiseBeforeWritingOrLogging) {
  const std::pair<std::string, std::vector<unsigned char>> cases[] = {
      {"", {1, 2, 3}}, {"z", {1, 2, 3}}, {"zz", {1, 2, 3}}, {"zzz", {1, 2, 3}}, {"aabbcc", {7, 7}}};
  for (const auto& [hexText, before] : cases) {
    std::vector<unsigned char> bytes = before;
    Logged logged = logsOf([&] { EXPECT_THROW(hextodec(hexText, bytes), std::out_of_range); });
    EXPECT_EQ(bytes, before) << hexText;
    EXPECT_TRUE(logged.rejectedCodes.empty()) << hexText;
  }
}

}  // namespace
