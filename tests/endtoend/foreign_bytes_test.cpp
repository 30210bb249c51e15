// Bytes that are not text in the environment or the arguments of the hosts: Foundation
// still starts, the tweak still loads, and an argument that is not text is refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "bridge/foundation.h"
#include "hosts/start/utf8_text.h"
#include "tests/prefs/pane_fixture.h"
#include "tests/support/child_process.h"
#include "tweak/hook_table.h"

namespace vm::test {
namespace {

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";
const std::string kSettingsApp = VM_BIN_DIR "/Settings";

using ::testing::HasSubstr;

TEST(Utf8Text, AcceptsWellFormedTextOnly) {
  // The last holds U+20AC, U+1F600 and U+10FFFF.
  for (const char* text :
       {"", "plain", "caf\xc3\xa9", "\xe2\x82\xac \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf"})
    EXPECT_TRUE(vm::host::isUtf8Text(text)) << testing::PrintToString(text);
  // A stray byte; a continuation without a lead; truncated at the end and in the middle;
  // overlong in two, three and four bytes; a UTF-16 surrogate; above U+10FFFF, twice.
  for (const char* bytes :
       {"\xff", "\x80", "caf\xc3", "\xe2\x82x", "\xc0\xaf", "\xe0\x80\xaf", "\xf0\x80\x80\xaf",
        "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf5\x80\x80\x80"})
    EXPECT_FALSE(vm::host::isUtf8Text(bytes)) << testing::PrintToString(bytes);
}

class ForeignBytes : public PaneTest {
 protected:
  void SetUp() override {
    PaneTest::SetUp();
    stagePane();
    stageTweak(VM_TWEAK_DIR);
    // Each case runs in its own process, so the hosts it starts inherit this.
    setenv("VELMOTINT_PROBE", "caf\xe9 \xff", 1);
  }
};

TEST_F(ForeignBytes, SpringBoardStartsAndTheTweakReadsItsSettings) {
  writeSettings("<key>ENABLED16</key><true/>");
  Finished report = runCaptured(kSpringBoard, {});
  ASSERT_EQ(report.exitCode, 0) << report.err;
  EXPECT_THAT(report.out,
              HasSubstr("hooks installed: " + std::to_string(velmotint::hookTable().size()) +
                        ", skipped: 0"));
  EXPECT_THAT(report.out, HasSubstr("date hidden                        yes"));
}

TEST_F(ForeignBytes, SettingsShowsAndStores) {
  Finished set = runCaptured(kSettingsApp, {"set", "ENABLED16", "on"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  EXPECT_EQ(stored("ENABLED16"), "on");
  Finished shown = runCaptured(kSettingsApp, {"show", "VelmoSettings2"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  EXPECT_THAT(shown.out, HasSubstr("ENABLED16"));
}

TEST_F(ForeignBytes, TheHostsKeepTheEntriesForThemselves) {
  // A device root whose name is not text is still the one the host uses.
  const std::string odd = root() + "/dev\xff";
  std::filesystem::create_directories(odd);
  setenv("VELMOTINT_DEVICE_ROOT", odd.c_str(), 1);
  Finished report = runCaptured(kSpringBoard, {});
  EXPECT_EQ(report.exitCode, 0) << report.err;
  EXPECT_THAT(report.out, HasSubstr("device root: " + odd + "\n"));
}

TEST_F(ForeignBytes, AnArgumentThatIsNotTextIsMisuse) {
  writeSettings("<key>ENABLED2</key><true/>");
  const std::string before = readFile(settingsFile());
  struct Case {
    const std::string& program;
    std::vector<std::string> args;
    const char* says;
  };
  const Case cases[] = {
      {kSettingsApp, {"show", "\xff"}, "argument 2 is not UTF-8 text"},
      {kSettingsApp, {"set", "ENABLED2", "of\xff"}, "argument 3 is not UTF-8 text"},
      {kSettingsApp, {"--pane", "Velmo\xe2\x82", "show"}, "argument 2 is not UTF-8 text"},
      {kSpringBoard, {"--watch\xc0"}, "argument 1 is not UTF-8 text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program + " " + c.args[0]);
    Finished result = runCaptured(c.program, c.args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_THAT(result.err, HasSubstr(c.says));
    EXPECT_EQ(readFile(settingsFile()), before);
  }
}

}  // namespace
}  // namespace vm::test
