#include <gtest/gtest.h>

#include "standins/corefoundation/CoreFoundation.h"

namespace {

// Same text, same string: observers are handed the very string the poster's CFSTR names
// (SameProcess.PostReachesObserverOnTheCentresThread).
TEST(ConstantString, NoTextMakesNoString) {
  EXPECT_EQ(__CFStringMakeConstantString(nullptr), nullptr);
}

TEST(ConstantString, HandsOutItsBytesByEncoding) {
  struct Case {
    CFStringRef string;
    CFStringEncoding encoding;
    const char* expected;  // null: no bytes handed out
  };
  const Case cases[] = {
      {CFSTR("plain"), kCFStringEncodingUTF8, "plain"},
      {CFSTR("plain"), kCFStringEncodingASCII, "plain"},
      {CFSTR("caf\xc3\xa9"), kCFStringEncodingUTF8, "caf\xc3\xa9"},
      {CFSTR("caf\xc3\xa9"), kCFStringEncodingASCII, nullptr},
      {CFSTR(""), kCFStringEncodingUTF8, ""},
      {nullptr, kCFStringEncodingUTF8, nullptr},
  };
  for (const Case& c : cases) {
    const char* bytes = CFStringGetCStringPtr(c.string, c.encoding);
    if (c.expected == nullptr) {
      EXPECT_EQ(bytes, nullptr);
    } else {
      ASSERT_NE(bytes, nullptr) << c.expected;
      EXPECT_STREQ(bytes, c.expected);
    }
  }
}

}  // namespace
