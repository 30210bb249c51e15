// Rows storing their values: the file made and replaced whole, the notification posted only
// for what was stored, bad values refused, and reading back with defaults. Through the
// Settings app: other keys kept, unreadable files, starting afresh, several writers at once.
#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>
#include <optional>
#include <set>

#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"
#include "tests/prefs/pane_fixture.h"

namespace vm::test {
namespace {

namespace prefs = preferences;

constexpr const char* kDomain = "com.tanvork.velmotint";
constexpr const char* kChanged = "com.tanvork.velmotint/settingschanged";

class RowValues : public PaneTest {
 protected:
  // Made once the case's device root is set: the notification centre meets there.
  void SetUp() override {
    PaneTest::SetUp();
    posts_.emplace(kChanged);
  }
  void TearDown() override {
    posts_.reset();
    PaneTest::TearDown();
  }
  std::optional<HeardPosts> posts_;

  // A switch, as the pane's lists describe them, or a text field, for `key`.
  id optionRow(const char* key, bool text) {
    return makeRow({{"cell", nsString(text ? "PSEditTextCell" : "PSSwitchCell")},
                    {"label", nsString(key)},
                    {"key", nsString(key)},
                    {"defaults", nsString(kDomain)},
                    {"default", text ? nsString("#a1a1a1:1.0") : boolean(false)},
                    {"PostNotification", nsString(kChanged)}});
  }
  id switchRow(const char* key) { return optionRow(key, false); }
  id textRow(const char* key) { return optionRow(key, true); }
};

TEST_F(RowValues, FirstValueMakesTheFileAndLeavesNoTemporaryFileBehind) {
  std::filesystem::remove_all(path("/var"));
  ASSERT_TRUE(prefs::writeValue(textRow("vmColor4"), nsString("#33cc99:0.8")).stored());
  ASSERT_TRUE(prefs::writeValue(switchRow("ENABLED7"), boolean(true)).stored());
  EXPECT_EQ(stored("vmColor4"), "#33cc99:0.8");
  EXPECT_EQ(stored("ENABLED7"), "on");
  std::set<std::string> files;
  for (const auto& entry :
       std::filesystem::directory_iterator(path("/var/mobile/Library/Preferences")))
    files.insert(entry.path().filename().string());
  EXPECT_EQ(files, (std::set<std::string>{"com.tanvork.velmotint.plist",
                                          "com.tanvork.velmotint.plist.lock"}));
}

TEST_F(RowValues, RefusedValuesLeaveTheFileAsItWasAndAnnounceNothing) {
  writeSettings("<key>vmColor1</key><string>#123456</string>");
  std::string before = readFile(settingsFile());
  struct Case {
    const char* what;
    id row;
    id value;
  };
  id buttonRow = makeRow({{"cell", nsString("PSButtonCell")}, {"label", nsString("Restart")}});
  for (const Case& c : {Case{"number for text", textRow("vmColor1"), boolean(true)},
                        Case{"text for a switch", switchRow("ENABLED2"), nsString("on")},
                        Case{"nothing for a switch", switchRow("ENABLED2"), nil},
                        Case{"a row that stores nothing", buttonRow, boolean(true)}}) {
    SCOPED_TRACE(c.what);
    prefs::WriteOutcome outcome = prefs::writeValue(c.row, c.value);
    EXPECT_EQ(outcome.status, prefs::WriteStatus::kRefusedValue);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(readFile(settingsFile()), before);
  }
  // A stored value afterwards is announced, and is the only announcement.
  ASSERT_TRUE(prefs::writeValue(switchRow("ENABLED2"), boolean(false)).stored());
  EXPECT_TRUE(posts_->waitFor(1));
  poll(nullptr, 0, 100);
  EXPECT_EQ(posts_->count(), 1);
}

// A controller reads through to the file, falling back to the row's default, and remembers
// the outcome of every set.
TEST_F(RowValues, ControllerReadsWithTheRowsDefaultAndRemembersEverySet) {
  id controller = make("PSListController");
  id row = textRow("vmColor2");
  auto read = [&] { return stdString(send<id>(controller, sel::readPreferenceValue_, row)); };
  EXPECT_EQ(read(), "#a1a1a1:1.0");  // no file
  writeSettings("<key>vmColor2</key><string>#010203</string>");
  EXPECT_EQ(read(), "#010203");
  writeFile(kSettingsFile, "garbage");
  EXPECT_EQ(read(), "#a1a1a1:1.0");

  std::filesystem::remove_all(path("/var"));
  send<void>(controller, sel::setPreferenceValue_specifier_, boolean(true), row);
  EXPECT_EQ(prefs::lastWriteOutcome().status, prefs::WriteStatus::kRefusedValue);
  send<void>(controller, sel::setPreferenceValue_specifier_, nsString("#abc"), row);
  EXPECT_TRUE(prefs::lastWriteOutcome().stored());
  EXPECT_EQ(stdString(prefs::shownValue(controller, row)), "#abc");
}

}  // namespace
}  // namespace vm::test
