// The simulated SpringBoard's report, run as its own process: the colours and item changes
// it shows with the tweak tinting, and the platform's own without the tweak.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/device_root.h"

namespace {

using namespace std::chrono_literals;

// Whether the report has "  label<padding> value" as it aligns its lines; the row's flags
// may follow.
bool hasLine(const std::string& report, const std::string& label, const std::string& value) {
  const std::string wanted =
      "  " + label + std::string(label.size() < 34 ? 34 - label.size() : 0, ' ') + " " + value;
  for (size_t at = report.find(wanted); at != std::string::npos; at = report.find(wanted, at + 1)) {
    size_t end = at + wanted.size();
    if (end == report.size() || report[end] == '\n' || report.compare(end, 2, "  ") == 0)
      return true;
  }
  return false;
}

class AppearanceReportTest : public vm::test::DeviceRootTest {
 protected:
  static std::string report() {
    vm::test::ChildProcess springBoard(VM_BIN_DIR "/SpringBoard", {});
    // The appearance part closes the report.
    EXPECT_TRUE(springBoard.waitForLine(vm::test::lineWith("battery accessory"), 20s));
    EXPECT_EQ(springBoard.waitForExit(20s), 0) << springBoard.output();
    return springBoard.output();
  }
  static void expectLines(const std::string& report,
                          const std::vector<std::pair<std::string, std::string>>& lines) {
    for (const auto& [label, value] : lines)
      EXPECT_TRUE(hasLine(report, label, value)) << label << " should read " << value << "\n"
                                                 << report;
  }
};

TEST_F(AppearanceReportTest, ShowsTheUsersTintsAndRestylesUnderTheirFlags) {
  stageTweak(VM_TWEAK_DIR);
  writeFile(vm::test::kSettingsFile,
            vm::test::xmlPlist("<key>ENABLED1</key><true/><key>ENABLED2</key><true/>"
                               "<key>ENABLED21</key><true/><key>ENABLED24</key><true/>"
                               "<key>vmColor1</key><string>#ff8800:0.9</string>"
                               "<key>vmColor2</key><string>#33cc99:0.8</string>"
                               "<key>vmColor3</key><string>#00ff00</string>"
                               "<key>vmColor4</key><string>#3366ff</string>"
                               "<key>vmColor5</key><string>#ff00ff:0.5</string>"));
  const std::string fallback = "#a1a1a1 alpha 1.00";
  expectLines(report(), {
                            {"slide-to-unlock label", "added as a subview"},
                            {"slide-to-unlock text colour", fallback},
                            {"slide-to-unlock tint", "#ff00ff alpha 0.50"},
                            {"slide-to-unlock blur alpha", "0.00"},
                            {"lock-screen label colour", fallback},
                            {"chevron colour", "#ff00ff alpha 0.50"},
                            {"banner grabber", "#ff00ff alpha 0.50"},
                            {"slide-to-unlock background", "none"},
                            {"legibility shadow alpha", "0.00"},
                            {"status-bar text (light style)", "#33cc99 alpha 0.80"},
                            {"battery (charging)", "#00ff00 alpha 1.00"},
                            {"style foreground", "#ff8800 alpha 0.90"},
                            {"style background", "#000000 alpha 0.00"},
                            {"activity indicator", fallback},
                            {"activity indicator colour set", "twice"},
                            {"refresh control tint", "#3366ff alpha 1.00"},
                            {"badge corner radius", "3.00"},
                            {"badge layer background", "#ff0000 alpha 1.00"},
                            {"badge border width", "2.80"},
                            {"badge border colour", fallback},
                            {"icon image corner radius", "15.00"},
                            {"icon image border colour", "#ff00ff alpha 0.50"},
                            {"icon label text", "\"Mail\""},
                            {"page control", "created"},
                        });
}

TEST_F(AppearanceReportTest, WithoutTheTweakShowsThePlatformsOwn) {
  expectLines(report(), {
                            {"slide-to-unlock label", "set"},
                            {"slide-to-unlock tint", "#ffffff alpha 0.60"},
                            {"banner grabber", "#ffffff alpha 0.50"},
                            {"status-bar text (light style)", "#ffffff alpha 1.00"},
                            {"activity indicator colour set", "once"},
                            {"badge corner radius", "0.00"},
                            {"badge border colour", "none"},
                            {"page control", "created"},
                            {"time item", "updated"},
                        });
}

}  // namespace
