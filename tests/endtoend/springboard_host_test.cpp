// The simulated SpringBoard as a person runs it: a separate process that loads the staged
// tweak, prints its report, and reloads when another process posts the notification.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"
#include "tests/support/hostile_plists.h"

namespace {

using namespace std::chrono_literals;
using vm::test::ChildProcess;

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";
const std::string kPost = VM_BIN_DIR "/vm-post";
const char* kSettings = "/var/mobile/Library/Preferences/com.tanvork.velmotint.plist";

class SpringBoardHostTest : public vm::test::DeviceRootTest {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    std::filesystem::path tweaks = path("/Library/MobileSubstrate/DynamicLibraries");
    std::filesystem::create_directories(tweaks);
    for (const char* file : {"Velmotint.dylib", "Velmotint.plist"})
      std::filesystem::copy_file(std::string(VM_TWEAK_DIR) + "/" + file, tweaks / file);
  }
  static auto contains(const std::string& text) {
    return [text](const std::string& line) { return line.find(text) != std::string::npos; };
  }
};

TEST_F(SpringBoardHostTest, ReportListsEveryRowInstalled) {
  ChildProcess springBoard(kSpringBoard, {});
  ASSERT_TRUE(springBoard.waitForLine(contains("hooks installed:"), 20s)) << springBoard.output();
  EXPECT_NE(springBoard.output().find("hooks installed: 63, skipped: 0"), std::string::npos)
      << springBoard.output();
  EXPECT_NE(springBoard.output().find("+[SBBannerContextView _defaultGrabberColor]"),
            std::string::npos);
  EXPECT_EQ(springBoard.waitForExit(20s), 0);
}

TEST_F(SpringBoardHostTest, AFilterThatNamesAnotherProcessKeepsTheTweakOut) {
  writeFile("/Library/MobileSubstrate/DynamicLibraries/Velmotint.plist",
            vm::test::xmlPlist("<key>Filter</key><dict><key>Bundles</key><array>"
                               "<string>com.apple.mobilemail</string></array></dict>"));
  ChildProcess springBoard(kSpringBoard, {});
  ASSERT_TRUE(springBoard.waitForLine(contains("tweaks loaded:"), 20s));
  EXPECT_NE(springBoard.output().find("tweaks loaded: 0"), std::string::npos);
}

TEST_F(SpringBoardHostTest, APostFromAnotherProcessReloadsTheFlagsWithoutARestart) {
  ChildProcess springBoard(kSpringBoard, {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(contains("watching for"), 20s)) << springBoard.output();
  EXPECT_NE(springBoard.output().find("date hidden                        no"), std::string::npos);

  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED16</key><true/>"
                                          "<key>ENABLED10</key><true/>"));
  ASSERT_EQ(vm::test::runProgram(kPost, {"com.tanvork.velmotint/settingschanged"}), 0);
  ASSERT_TRUE(springBoard.waitForLine(contains("=== SpringBoard report 2"), 20s))
      << springBoard.output();
  ASSERT_TRUE(springBoard.waitForLine(contains("top grabber hidden"), 20s));
  std::string second = springBoard.output().substr(springBoard.output().find("report 2"));
  EXPECT_NE(second.find("date hidden                        yes"), std::string::npos) << second;
  EXPECT_NE(second.find("top grabber hidden                 yes"), std::string::npos) << second;
  EXPECT_TRUE(springBoard.running());
}

// Each of these once aborted or crashed the host at start-up.
TEST_F(SpringBoardHostTest, ACorruptSettingsFileGivesTheReportWithEveryFlagOff) {
  for (const char* name : {"1000 zero bytes", "half a binary list", "array inside itself",
                           "huge object count", "offset size 9", "arrays shared 2^40 times",
                           "100k nested parentheses", "100k nested binary arrays",
                           "100k nested XML dictionaries"}) {
    writeFile(kSettings, vm::test::hostilePropertyList(name));
    ChildProcess springBoard(kSpringBoard, {});
    ASSERT_TRUE(springBoard.waitForLine(contains("date hidden"), 20s))
        << name << ": " << springBoard.output();
    EXPECT_NE(springBoard.output().find("date hidden                        no"),
              std::string::npos)
        << name;
    EXPECT_EQ(springBoard.waitForExit(20s), 0) << name << ": " << springBoard.output();
  }
}

TEST_F(SpringBoardHostTest, ACorruptFilterKeepsTheTweakOut) {
  writeFile("/Library/MobileSubstrate/DynamicLibraries/Velmotint.plist",
            vm::test::hostilePropertyList("1000 zero bytes"));
  ChildProcess springBoard(kSpringBoard, {});
  ASSERT_TRUE(springBoard.waitForLine(contains("tweaks loaded:"), 20s)) << springBoard.output();
  EXPECT_NE(springBoard.output().find("tweaks loaded: 0"), std::string::npos);
  EXPECT_EQ(springBoard.waitForExit(20s), 0) << springBoard.output();
}

TEST_F(SpringBoardHostTest, ACorruptFileOnReloadKeepsTheFlagsAndTheHostRunning) {
  writeFile(kSettings, vm::test::xmlPlist("<key>ENABLED16</key><true/>"));
  ChildProcess springBoard(kSpringBoard, {"--watch"});
  ASSERT_TRUE(springBoard.waitForLine(contains("watching for"), 20s)) << springBoard.output();
  int report = 1;
  for (const char* name : {"1000 zero bytes", "100k nested binary arrays"}) {
    writeFile(kSettings, vm::test::hostilePropertyList(name));
    ASSERT_EQ(vm::test::runProgram(kPost, {"com.tanvork.velmotint/settingschanged"}), 0);
    std::string heading = "=== SpringBoard report " + std::to_string(++report);
    ASSERT_TRUE(springBoard.waitForLine(contains(heading), 20s)) << name << springBoard.output();
    ASSERT_TRUE(springBoard.waitForLine(contains("top grabber hidden"), 20s));
    std::string latest = springBoard.output().substr(springBoard.output().find(heading));
    EXPECT_NE(latest.find("date hidden                        yes"), std::string::npos)
        << name << latest;
  }
  EXPECT_TRUE(springBoard.running());
}

}  // namespace
