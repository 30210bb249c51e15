// colorFromDefaultsWithKey against settings files in a device root of its own. Lookups on
// several threads while the file is replaced are in tests/tweak/reload_race_test.cpp, which
// ThreadSanitizer runs too.
#include "colour/colour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bridge/foundation.h"
#include "tests/colour/colour_probe.h"
#include "tests/support/device_root.h"
#include "tests/support/hostile_plists.h"

namespace {

using vm::test::componentsOf;
using vm::test::kSettingsFile;
using vm::test::Logged;
using vm::test::logsOf;
using vm::test::Rgba;
using vm::test::rgbaOfBytes;
using vm::test::stringEntry;
using vm::test::xmlPlist;

const Rgba kFallbackGrey = rgbaOfBytes(161, 161, 161, 1.0);

class ColorFromDefaultsTest : public vm::test::DeviceRootTest {
 protected:
  void TearDown() override {
    vm::test::ScriptedRandom::uninstall();
    DeviceRootTest::TearDown();
  }

  // The standard lookup of vmColor6, with what it logged.
  id lookUp(Logged* logged = nullptr, const char* fallback = "#a1a1a1:1.0") {
    id colour = nil;
    Logged seen = logsOf([&] {
      colour = colorFromDefaultsWithKey(vm::nsString("com.tanvork.velmotint"),
                                        vm::nsString("vmColor6"), vm::nsString(fallback));
    });
    if (logged != nullptr) *logged = seen;
    return colour;
  }
  // What the domain `domain` holds under vmColor6, as the tweak looks it up.
  static Rgba colourIn(id domain) {
    return componentsOf(
        colorFromDefaultsWithKey(domain, vm::nsString("vmColor6"), vm::nsString("#a1a1a1:1.0")));
  }
  void storeString(const std::string& text) { writeSettings(stringEntry("vmColor6", text)); }
  void storeBinary(id value) {
    writeFile(kSettingsFile,
              vm::test::binaryPlistOf(vm::test::dictionaryOf({{"vmColor6", value}})));
  }

  vm::AutoreleasePool pool_;
};

// A nil domain is written as %@ writes nil.
TEST_F(ColorFromDefaultsTest, ANilDomainNamesTheFileAsFormattingNilWould) {
  writeFile("/var/mobile/Library/Preferences/(null).plist",
            xmlPlist(stringEntry("vmColor6", "#ff0000")));
  EXPECT_EQ(colourIn(nil).red, 1.0);
}

// No file, a file that is no dictionary or lacks the key, hostile files, and values that are
// not strings: the fallback, with nothing logged.
TEST_F(ColorFromDefaultsTest, UnusableFilesAndValuesGiveTheFallbackSilently) {
  std::vector<vm::test::NamedBytes> files = vm::test::hostilePropertyLists();
  for (const char* contents :
       {"", "not a property list \x01\x02", "<?xml version=\"1.0\"?><plist><dict><key>",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>#ff0000</string></array>"
        "</plist>",
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><string>#ff0000</string></plist>"})
    files.push_back({contents, contents});
  files.push_back({"truncated binary", std::string("bplist00\xd1\x01\x02", 11)});
  files.push_back({"another key", xmlPlist(stringEntry("vmColor1", "#ff0000"))});
  for (const char* value :
       {"<integer>7</integer>", "<real>0.5</real>", "<true/>", "<data>AAEC</data>",
        "<date>2014-01-01T00:00:00Z</date>", "<array><string>#ff0000</string></array>",
        "<dict><key>a</key><string>#ff0000</string></dict>"})
    files.push_back({value, xmlPlist(std::string("<key>vmColor6</key>") + value)});
  Logged logged;
  EXPECT_EQ(componentsOf(lookUp(&logged)), kFallbackGrey) << "no file";
  EXPECT_TRUE(logged.rejectedCodes.empty());
  EXPECT_TRUE(logged.otherLines.empty());
  for (const vm::test::NamedBytes& file : files) {
    writeFile(kSettingsFile, file.bytes);
    EXPECT_EQ(componentsOf(lookUp(&logged)), kFallbackGrey) << file.name;
    EXPECT_TRUE(logged.rejectedCodes.empty()) << file.name;
    EXPECT_TRUE(logged.otherLines.empty()) << file.name;
  }
}

struct StoredCase {
  std::string stored;
  unsigned char red, green, blue;
  double alpha;
};

TEST_F(ColorFromDefaultsTest, HexTextWithAlphaReplaced) {
  const StoredCase cases[] = {
      StoredCase{"#ff0000:0.5", 255, 0, 0, 0.5}, StoredCase{"#ff0000", 255, 0, 0, 1.0},
      StoredCase{"ff0000:0.5", 255, 0, 0, 0.5},  StoredCase{"#f00:0.25", 255, 0, 0, 0.25},
      StoredCase{"#ff0000:", 255, 0, 0, 0.0},    StoredCase{"#00ff00:0.75:0.1:zz", 0, 255, 0, 0.75},
      StoredCase{"#0000ff:abc", 0, 0, 255, 0.0}, StoredCase{"#0000ff:0.5x", 0, 0, 255, 0.5},
      StoredCase{"#0000ff:1", 0, 0, 255, 1.0}};
  for (const StoredCase& c : cases) {
    storeString(c.stored);
    Logged logged;
    EXPECT_EQ(componentsOf(lookUp(&logged)), rgbaOfBytes(c.red, c.green, c.blue, c.alpha))
        << c.stored;
    EXPECT_TRUE(logged.rejectedCodes.empty()) << c.stored;
    EXPECT_TRUE(logged.otherLines.empty()) << c.stored;
  }
}

TEST_F(ColorFromDefaultsTest, EmptyHexTextIsRandomWithTheStoredAlpha) {
  for (const auto& [stored, alpha] : {std::pair{"", 1.0}, std::pair{":0.5", 0.5}}) {
    storeString(stored);
    // The fallback is parsed on every call, also when the stored value wins, and first: its
    // three draws come before the value's.
    vm::test::ScriptedRandom::install({0, 0, 0, 0x10, 0x20, 0x30});
    Rgba got = componentsOf(lookUp(nullptr, ":1.0"));
    Rgba want = componentsOf(vm::test::hsbColour(0.0625, 0.625, 0.6875));
    EXPECT_EQ(vm::test::ScriptedRandom::drawsTaken(), 6u);
    EXPECT_EQ(got, (Rgba{want.red, want.green, want.blue, alpha}));
  }
}

// Domains are known again by the string object that named them only while its text
// cannot change: a mutable string is read afresh on every call.
TEST_F(ColorFromDefaultsTest, EachCallLooksUpTheDomainItsStringNamesNow) {
  writeFile("/var/mobile/Library/Preferences/red.plist",
            xmlPlist(stringEntry("vmColor6", "#ff0000")));
  writeFile("/var/mobile/Library/Preferences/blue.plist",
            xmlPlist(stringEntry("vmColor6", "#0000ff")));
  id red = vm::nsString("red"), blue = vm::nsString("blue");
  id changing = vm::send<id>(vm::cls::NSMutableString.get(), vm::sel::stringWithString_, red);
  auto redOf = [](id domain) { return colourIn(domain).red; };
  EXPECT_EQ(redOf(changing), 1.0);
  vm::send<void>(changing, vm::sel::setString_, blue);
  EXPECT_EQ(redOf(changing), 0.0);
  vm::send<void>(changing, vm::sel::setString_, red);
  EXPECT_EQ(redOf(changing), 1.0);
  EXPECT_EQ(redOf(blue), 0.0);
  EXPECT_EQ(redOf(red), 1.0);
  EXPECT_EQ(redOf(blue), 0.0);
}

// Binary lists are read; an embedded NUL in the value ends the hex text.
TEST_F(ColorFromDefaultsTest, ReadsBinaryPropertyListsUpToAnEmbeddedNul) {
  storeBinary(vm::nsString("#00ff00:0.25"));
  EXPECT_EQ(componentsOf(lookUp()), (Rgba{0, 1, 0, 0.25}));
  storeBinary(vm::test::stringWithBytes(std::string("ab\0cdef:0.5", 11)));
  EXPECT_EQ(componentsOf(lookUp()), rgbaOfBytes(0xAA, 0xBB, 0, 0.5));
}

TEST_F(ColorFromDefaultsTest, OutOfRangeAlphaTextsArePassedOnAsRead) {
  id red = vm::send<id>(vm::cls::UIColor.get(), vm::sel::colorWithRed_green_blue_alpha_,
                        CGFloat{1.0}, CGFloat{0.0}, CGFloat{0.0}, CGFloat{1.0});
  for (const auto& [text, alpha] : {std::pair{"-1", -1.0}, std::pair{"2", 2.0},
                                    std::pair{"1e400", HUGE_VAL}, std::pair{"nan", 0.0}}) {
    storeString(std::string("#ff0000:") + text);
    Logged logged;
    Rgba got = componentsOf(lookUp(&logged));
    Rgba want = componentsOf(vm::send<id>(red, vm::sel::colorWithAlphaComponent_, alpha));
    EXPECT_EQ(got.red, want.red) << text;
    EXPECT_EQ(got.alpha, want.alpha) << text;
    EXPECT_TRUE(logged.otherLines.empty()) << text;
  }
}

TEST_F(ColorFromDefaultsTest, HostileColourStringsGiveAColourAndLogOnlyRejectedDigits) {
  struct Hostile {
    std::string stored;
    std::vector<int> rejected;
  };
  const Hostile cases[] = {
      {"\xC3\xA9\xC3\xA9\xC3\xA9:0.5", {-87, -61, -87, -61, -87, -61}},
      {"#abc" + std::string(5000, ':'), {}},
      {"#abc:" + std::string(1 << 20, '9'), {}},
      {std::string(1 << 20, 'f') + ":1", {}},
      {"#zzz:0.5", {'z', 'z', 'z', 'z', 'z', 'z'}},
  };
  for (const Hostile& c : cases) {
    storeString(c.stored);
    Logged logged;
    EXPECT_NE(lookUp(&logged), nil);
    EXPECT_EQ(logged.rejectedCodes, c.rejected);
    EXPECT_TRUE(logged.otherLines.empty());
  }
}

}  // namespace
