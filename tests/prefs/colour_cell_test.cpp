// The colour picker's cell: it shows the stored colour, else the fallback, stores what is
// picked as "#rrggbb:alpha" through the settings store and announces it, and refuses what
// the library refuses without touching the settings file or announcing anything.
#include <gtest/gtest.h>
#include <poll.h>

#include <optional>

#include "bridge/foundation.h"
#include "standins/colorpicker/colorpicker.h"
#include "tests/prefs/pane_fixture.h"

namespace vm::test {
namespace {

namespace picker = colorpicker;

using Properties = std::vector<std::pair<const char*, id>>;

id dictionaryOf(const Properties& properties) {
  id dictionary = send<id>(cls::NSMutableDictionary.get(), sel::dictionary);
  for (const auto& [name, value] : properties)
    send<void>(dictionary, sel::setObject_forKey_, value, nsString(name));
  return dictionary;
}

// The row's libcolorpicker dictionary as the pane's lists write it, less what `without`
// names, with alpha as given.
id options(const char* key, bool alpha, const std::string& without = "") {
  Properties properties;
  for (const auto& entry :
       Properties{{"defaults", nsString("com.tanvork.velmotint")},
                  {"key", nsString(key)},
                  {"fallback", nsString("#a1a1a1:1.0")},
                  {"alpha", boolean(alpha)},
                  {"PostNotification", nsString("com.tanvork.velmotint/settingschanged")}})
    if (without != entry.first) properties.push_back(entry);
  return dictionaryOf(properties);
}

class ColourCell : public PaneTest {
 protected:
  // The counter is made once the case's device root is set: the notification centre meets
  // there.
  void SetUp() override {
    PaneTest::SetUp();
    posts_.emplace("com.tanvork.velmotint/settingschanged");
  }
  void TearDown() override {
    posts_.reset();
    for (id cell : cells_) release(cell);
    PaneTest::TearDown();
  }

  id row(id dictionary, const char* label = "Lock Screen Secondary") {
    Properties properties{{"cell", nsString("PSLinkCell")},
                          {"cellClass", nsString(picker::kCellClass)},
                          {"label", nsString(label)}};
    if (dictionary != nil) properties.push_back({"libcolorpicker", dictionary});
    return makeRow(properties);
  }
  // The cell a table makes for the row.
  id cellFor(id specifier) {
    id cell =
        send<id>(send<id>(cls::PFSimpleLiteColorCell.get(), sel::alloc),
                 sel::initWithStyle_reuseIdentifier_specifier_, NSInteger{0}, id{nil}, specifier);
    cells_.push_back(cell);
    return cell;
  }
  static id colour(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
    return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, red, green, blue,
                    alpha);
  }

  std::optional<HeardPosts> posts_;

 private:
  std::vector<id> cells_;
};

TEST_F(ColourCell, ShowsTheStoredColourElseTheFallbackAndStoresWhatIsPicked) {
  id colourRow = row(options("vmColor6", true));
  EXPECT_EQ(picker::shownColour(cellFor(colourRow)).text, "#a1a1a1:1.0");  // nothing stored
  // What the text field used to store reads the same.
  writeSettings("<key>vmColor6</key><string>#fc0</string>");
  EXPECT_EQ(picker::shownColour(cellFor(colourRow)).text, "#ffcc00:1.0");
  writeSettings("<key>vmColor6</key><true/>");
  picker::ShownColour shown = picker::shownColour(cellFor(colourRow));
  EXPECT_EQ(shown.text, "#a1a1a1:1.0");
  EXPECT_NE(shown.note, "");

  id cell = cellFor(colourRow);
  send<void>(cell, sel::chooseColor_, colour(0.2, 0.8, 0.6, 0.5));
  ASSERT_TRUE(picker::lastChoice().stored()) << picker::lastChoice().message;
  EXPECT_EQ(stored("vmColor6"), "#33cc99:0.5");
  shown = picker::shownColour(cell);
  EXPECT_EQ(shown.text, "#33cc99:0.5");
  EXPECT_EQ(shown.note, "");
  EXPECT_DOUBLE_EQ(shown.colour.alpha, 0.5);
  EXPECT_DOUBLE_EQ(shown.colour.green, 0.8);
  EXPECT_TRUE(posts_->waitFor(1));
}

TEST_F(ColourCell, RefusesWhatTheLibraryRefusesAndLeavesTheFileAlone) {
  writeSettings("<key>vmColor1</key><string>#123456:1.0</string>");
  const std::string before = readFile(settingsFile());
  struct Case {
    const char* what;
    id row;
    id picked;
    const char* says;
  };
  const Case cases[] = {
      {"no dictionary", row(nil), colour(1, 0, 0, 1), "has no libcolorpicker dictionary"},
      {"no domain", row(options("vmColor1", true, "defaults")), colour(1, 0, 0, 1),
       "names no defaults"},
      {"no key", row(options("vmColor1", true, "key")), colour(1, 0, 0, 1), "names no key"},
      {"no fallback", row(options("vmColor1", true, "fallback")), colour(1, 0, 0, 1),
       "no colour as its fallback"},
      {"opaque row", row(options("vmColor1", false)), colour(1, 0, 0, 0.5), "offers no alpha"},
      {"nothing picked", row(options("vmColor1", true)), nil, "no colour was picked"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    send<void>(cellFor(c.row), sel::chooseColor_, c.picked);
    EXPECT_EQ(picker::lastChoice().status, preferences::WriteStatus::kRefusedValue);
    EXPECT_NE(picker::lastChoice().message.find(c.says), std::string::npos)
        << picker::lastChoice().message;
    EXPECT_EQ(readFile(settingsFile()), before);
  }
  poll(nullptr, 0, 100);
  EXPECT_EQ(posts_->count(), 0);
}

}  // namespace
}  // namespace vm::test
