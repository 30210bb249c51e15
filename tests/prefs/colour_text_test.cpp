// Which texts the colour picker reads: the forms the tweak reads, and nothing else; and the
// "#rrggbb:alpha" it writes for them.
#include "standins/colorpicker/colour_text.h"

#include <gtest/gtest.h>

namespace vm::colorpicker {
namespace {

TEST(ColourText, AcceptsTheFormsTheTweakReads) {
  for (const char* text :
       {"#a1a1a1:1.0", "#A1B2C3", "a1b2c3", "#abc", "abc:0.5", "#33cc99:0.8", "#000000:0",
        "#ffffff:1", "#fff:.5", "#fff:1.", "#fff:01.000", "", ":0.25"}) {
    EXPECT_EQ(colourStringProblem(text), "") << '"' << text << '"';
  }
}

TEST(ColourText, RefusesEverythingElseAndSaysWhichPart) {
  struct Case {
    const char* text;
    const char* part;
  };
  for (const Case& c :
       {Case{"#12345", "colour part"}, Case{"#1234567", "colour part"}, Case{"#ggg", "colour part"},
        Case{"red", "colour part"}, Case{"##abc", "colour part"}, Case{" #abc", "colour part"},
        Case{"#abcd", "colour part"}, Case{"#abc:", "alpha"}, Case{"#abc:x", "alpha"},
        Case{"#abc:1.5", "alpha"}, Case{"#abc:-0.5", "alpha"}, Case{"#abc:1e-1", "alpha"},
        Case{"#abc:0.5:1", "alpha"}, Case{"#abc:1.01", "alpha"}, Case{"#abc:0,5", "alpha"},
        Case{"#abc:.", "alpha"}}) {
    std::string problem = colourStringProblem(c.text);
    EXPECT_NE(problem.find(c.part), std::string::npos) << '"' << c.text << "\": " << problem;
  }
}

TEST(ColourText, WritesWhatItReadsAsSixDigitsAndAnAlpha) {
  struct Case {
    const char* typed;
    const char* stored;
  };
  for (const Case& c : {Case{"#3c9:0.5", "#33cc99:0.5"}, Case{"33CC99", "#33cc99:1.0"},
                        Case{"#a1a1a1:1.0", "#a1a1a1:1.0"}, Case{"#000:0", "#000000:0.0"},
                        Case{"fff:.75423", "#ffffff:0.75423"}, Case{"#ABCDEF:1.", "#abcdef:1.0"},
                        Case{"#123456:0.0000004", "#123456:0.0"}}) {
    ColourFromText read = colourFromText(c.typed);
    EXPECT_EQ(read.problem, "") << c.typed;
    EXPECT_TRUE(read.hasDigits) << c.typed;
    EXPECT_EQ(storedColourText(read.colour), c.stored) << c.typed;
  }
  EXPECT_FALSE(colourFromText("#:0.5").hasDigits);
  EXPECT_NE(colourFromText("#12").problem, "");
}

}  // namespace
}  // namespace vm::colorpicker
