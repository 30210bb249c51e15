// The simulated SpringBoard as each iOS release users run: the real module loads, exactly
// the rows that release has install, the rest are skipped with their slots empty and the
// reason named, options that keep their rows act as on the complete set, and nothing
// crashes with every flag on. The README's table of options is the one the facts give.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "hosts/springboard/release_report.h"
#include "linux_only/tweak_report.h"
#include "standins/releases/ios_release.h"
#include "tests/support/child_process.h"
#include "tests/support/device_root.h"
#include "tests/support/plist_rows.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_report.h"

namespace {

using namespace std::chrono_literals;
using vm::releases::Release;

const std::string kSpringBoard = VM_BIN_DIR "/SpringBoard";

std::vector<VelmotintHookInfo> hookRows() {
  return vm::copyReport(&VelmotintCopyHookInfo);
}

// The pane's switches and colours, key -> label, from its specifier lists.
const std::map<std::string, std::string>& paneLabels() {
  static const std::map<std::string, std::string> labels = [] {
    std::map<std::string, std::string> pane;
    for (const char* list : {"VelmoSettings", "VelmoSettings2"}) {
      const std::string file = std::string(VM_SOURCE_DIR "/prefs/Resources/") + list + ".plist";
      for (const vm::test::PlistRow& row : vm::test::plistRows(file)) {
        // A switch's own key, or the key in a colour cell's dictionary.
        for (const char* key : {"key", "libcolorpicker.key"})
          if (row.count(key) != 0) pane[row.at(key)] = vm::test::field(row, "label");
      }
    }
    return pane;
  }();
  return labels;
}

struct Profile {
  Release release;
  const char* option;                 // how the test asks for it, with a version the profile covers
  std::vector<std::string> noEffect;  // options all of whose rows this release lacks
};

void PrintTo(const Profile& profile, std::ostream* out) {
  *out << vm::releases::displayName(profile.release);
}

// Scene lines of options whose every row exists from 7.0 to 8.2, as they read with every
// flag on, and whether iOS 6 has the class that draws them.
const struct {
  const char* label;
  const char* value;
  bool onIos6;
} kUnchangedLines[] = {
    {"date hidden", "yes", false},
    {"lock screen shows date", "no", false},
    {"status bar shown", "no", false},
    {"top grabber hidden", "yes", false},
    {"bottom grabber hidden", "yes", false},
    {"icon label text", "none (suppressed)", true},
    {"page control", "none (suppressed)", true},
    {"time item", "not updated (suppressed)", false},
    {"status-bar text (default style)", "#a1a1a1 alpha 1.00", false},
    {"lock-screen label colour", "#a1a1a1 alpha 1.00", true},
};

class ReleaseProfileTest : public vm::test::DeviceRootTest,
                           public ::testing::WithParamInterface<Profile> {
 protected:
  void SetUp() override {
    DeviceRootTest::SetUp();
    stageTweak(VM_TWEAK_DIR);
    std::string everyFlag;
    for (const velmotint::FeatureFlag& flag : velmotint::kFeatureFlags)
      everyFlag += vm::test::boolEntry(flag.key, true);
    writeSettings(everyFlag);
  }
};

TEST_P(ReleaseProfileTest, InstallsWhatTheReleaseHasAndSkipsTheRestWithEveryFlagOn) {
  const Profile& profile = GetParam();
  std::vector<std::string> arguments = {"--hooks"};
  std::istringstream option(profile.option);  // "--ios 7.0" is two arguments
  for (std::string word; option >> word;) arguments.push_back(word);
  vm::test::Finished springBoard = vm::test::runCaptured(kSpringBoard, arguments, 40s);
  ASSERT_EQ(springBoard.exitCode, 0) << springBoard.out << springBoard.err;
  const std::string& out = springBoard.out;

  std::map<int, std::string> listed;  // install number -> "installed" or the skip reason
  std::map<std::string, std::string> scene;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) {
    // "   2 SKIPPED   -[SBBannerContextView _layoutGrabber] (method absent)"
    std::istringstream words(line);
    int number = 0;
    std::string status;
    if (line.find("[") != std::string::npos && words >> number >> status) {
      size_t open = line.rfind(" (");
      listed[number] = status == "installed" || open == std::string::npos
                           ? status
                           : line.substr(open + 2, line.size() - open - 3);
      continue;
    }
    // "  date hidden                        yes                 (ENABLED16)"
    size_t gap = line.find("  ", 2);
    if (line.rfind("  ", 0) != 0 || line[2] == ' ' || gap == std::string::npos) continue;
    size_t value = line.find_first_not_of(' ', gap);
    scene[line.substr(2, gap - 2)] = line.substr(value, line.find("  ", value) - value);
  }

  int installed = 0;
  for (const VelmotintHookInfo& row : hookRows()) {
    SCOPED_TRACE(std::to_string(row.number) + " " + row.className + " " + row.selector);
    bool has = vm::releases::hasMethod(profile.release, row.className, row.isClassMethod != 0,
                                       row.selector);
    std::string why = !vm::releases::hasClass(profile.release, row.className) ? "class absent"
                      : has                                                   ? "installed"
                                                                              : "method absent";
    EXPECT_EQ(listed[row.number], why);
    installed += has;
  }
  const int rowCount = static_cast<int>(hookRows().size());
  if (profile.release == Release::Complete) EXPECT_EQ(installed, rowCount);
  EXPECT_NE(out.find("hooks installed: " + std::to_string(installed) +
                     ", skipped: " + std::to_string(rowCount - installed)),
            std::string::npos)
      << out;

  std::string heading =
      std::string("no effect on ") + vm::releases::displayName(profile.release) + ": ";
  size_t at = out.find(heading);
  ASSERT_NE(at, std::string::npos) << out;
  std::string list = out.substr(at, out.find('\n', at) - at);
  std::vector<std::string> keys;  // "... (ENABLED18), ... (ENABLED22)"
  for (size_t key = list.find(" ("); key != std::string::npos; key = list.find(" (", key + 1))
    keys.push_back(list.substr(key + 2, list.find(')', key) - key - 2));
  EXPECT_EQ(keys, profile.noEffect) << list;

  // iOS 6 draws all of these with classes of its own; from 8.3 the status bar's text too.
  const bool newStatusBarText =
      profile.release == Release::iOS8_3 || profile.release == Release::iOS9;
  for (const auto& [label, value, onIos6] : kUnchangedLines) {
    bool ownClasses = (profile.release == Release::iOS6 && !onIos6) ||
                      (newStatusBarText && std::string(label).rfind("status-bar", 0) == 0);
    if (ownClasses)
      EXPECT_EQ(scene[label].rfind("absent: ", 0), 0u) << label << ": " << scene[label];
    else
      EXPECT_EQ(scene[label], value) << label;
  }
  EXPECT_EQ(out.find("drawn by classes the tweak does not touch") != std::string::npos,
            profile.release == Release::iOS6);
}

const std::vector<std::string> kNothingOnIos6 = {
    "ENABLED3",  "ENABLED4",  "ENABLED6",  "ENABLED9",  "ENABLED10", "ENABLED11", "ENABLED12",
    "ENABLED13", "ENABLED14", "ENABLED15", "ENABLED16", "ENABLED17", "ENABLED18", "ENABLED19",
    "ENABLED22", "ENABLED23", "ENABLED24", "vmColor1",  "vmColor2",  "vmColor3"};

INSTANTIATE_TEST_SUITE_P(
    Releases, ReleaseProfileTest,
    ::testing::Values(Profile{Release::Complete, "", {}},
                      Profile{Release::iOS6, "--ios=6.1.6", kNothingOnIos6},
                      Profile{Release::iOS7_0, "--ios 7.0", {"ENABLED18", "ENABLED22"}},
                      Profile{Release::iOS7_1, "--ios=7.1.2", {"ENABLED22"}},
                      Profile{Release::iOS8_0, "--ios=8.2", {}},
                      Profile{Release::iOS8_3, "--ios=8.4", {"vmColor2", "vmColor3"}},
                      Profile{Release::iOS9, "--ios=9.3.5", {"vmColor2", "vmColor3"}}),
    [](const ::testing::TestParamInfo<Profile>& info) {
      std::string name = vm::releases::optionValue(info.param.release);
      for (char& c : name)
        if (c == '.') c = '_';
      return name.empty() ? std::string("Complete") : "iOS" + name;
    });

// A version picks the profile that covers it, written X.Y or X.Y.Z, after "--ios" or
// "--ios="; anything else is refused with the list of profiles.
TEST(ReleaseOption, AVersionPicksTheProfileThatCoversItAndAnythingElseIsRefused) {
  const struct {
    const char* text;
    std::optional<Release> profile;
  } versions[] = {
      {"6.0", Release::iOS6},     {"6.1.6", Release::iOS6},  {"7.0", Release::iOS7_0},
      {"7.0.6", Release::iOS7_0}, {"7.1", Release::iOS7_1},  {"8.1", Release::iOS8_0},
      {"8.2", Release::iOS8_0},   {"8.3", Release::iOS8_3},  {"8.4.1", Release::iOS8_3},
      {"9.0", Release::iOS9},     {"9.3.5", Release::iOS9},  {"8", std::nullopt},
      {"7", std::nullopt},        {"8.x", std::nullopt},     {"5.1", std::nullopt},
      {"9.4", std::nullopt},      {"10.0", std::nullopt},    {"8.4.", std::nullopt},
      {" 8.4", std::nullopt},     {"8.4.1.2", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& version : versions)
    EXPECT_EQ(vm::releases::parseRelease(version.text), version.profile) << version.text;

  for (const char* refused : {"--ios=8", "--ios=9.4"}) {
    vm::test::Finished springBoard = vm::test::runCaptured(kSpringBoard, {refused}, 20s);
    EXPECT_EQ(springBoard.exitCode, 2) << refused;
    EXPECT_NE(springBoard.err.find("6.0-6.1, 7.0, 7.1, 8.0-8.2, 8.3-8.4, 9.0-9.3"),
              std::string::npos)
        << springBoard.err;
  }
}

// The table between the README's markers is what the facts make of every option.
TEST(ReleaseTable, ReadmeShowsTheTableTheFactsGive) {
  const std::string readme = vm::test::readFile(VM_SOURCE_DIR "/README.md");
  const std::string begin = "<!-- release table: generated by SpringBoard --release-table -->\n";
  size_t from = readme.find(begin);
  size_t to = readme.find("<!-- end of release table -->");
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  from += begin.size();
  EXPECT_EQ(readme.substr(from, to - from), springboard::releaseTable(hookRows(), paneLabels()));
}

// Every key a hook row reads is a switch or a colour of the pane, and the other way round:
// an option without a row, or a row read by a key no one can set, shows here.
TEST(ReleaseTable, TheKeysTheRowsReadAreThePanesSwitchesAndColours) {
  std::map<std::string, std::string> fromRows;  // key -> label
  for (const springboard::UserOption& option : springboard::userOptions(hookRows(), paneLabels()))
    fromRows[option.key] = option.label;
  EXPECT_EQ(fromRows, paneLabels());
}

}  // namespace
