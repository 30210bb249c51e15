// Which digit text a hex text becomes, including the texts too short to double.
#include "colour/digit_text.h"

#include <gtest/gtest.h>

#include "tests/colour/colour_probe.h"

namespace {

struct DigitCase {
  std::string hexText;
  std::string digits;
};

TEST(DigitText, SixBytesAsTheyAreOtherwiseFirstThreeDoubled) {
  const DigitCase cases[] = {
      DigitCase{"a1b2c3", "a1b2c3"}, DigitCase{"abc", "aabbcc"}, DigitCase{"abcd", "aabbcc"},
      DigitCase{"abcdefg", "aabbcc"}, DigitCase{"ab", "aabb"}, DigitCase{"#abc", "##aabb"},
      DigitCase{std::string("\xC3\xA9") + "a", "\xC3\xC3\xA9\xA9" + std::string("aa")},
      // Too short to double: the missing places read as "0".
      DigitCase{"a", "aa00"}, DigitCase{"#", "##00"}, DigitCase{"", "0000"}};
  for (const DigitCase& c : cases)
    EXPECT_EQ(vm::colour::digitTextFor(c.hexText), c.digits) << vm::test::caseLabel(c.hexText);
}

}  // namespace
