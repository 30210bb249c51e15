// Which texts a colour row accepts: the forms the tweak reads, and nothing else.
#include "standins/preferences/colour_text.h"

#include <gtest/gtest.h>

namespace vm::preferences {
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

}  // namespace
}  // namespace vm::preferences
