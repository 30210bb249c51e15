// The bundle's specifier lists as built. What each row does is tested through the Settings
// app, and which options there are, each once, by the release table's test and the Settings
// app's list; here, that every option's row is made, stored and announced as the tweak needs:
// switches by the Preferences framework, colours by the colour picker's cell.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/plist_rows.h"

namespace vm::test {
namespace {

const std::string kBundle =
    VM_BUILD_DIR "/prefs/stage/Library/PreferenceBundles/velmotintPrefs.bundle";

std::vector<PlistRow> rowsOf(const std::string& list) {
  return plistRows(kBundle + "/" + list + ".plist");
}

TEST(SpecifierLists, EveryOptionIsItsKindOfCellLabelledGroupedStoredAndAnnounced) {
  for (const char* list : {"VelmoSettings", "VelmoSettings2"}) {
    SCOPED_TRACE(list);
    bool inGroup = false;
    for (const PlistRow& row : rowsOf(list)) {
      if (field(row, "cell") == "PSGroupCell") {
        inGroup = !field(row, "label").empty();
        continue;
      }
      SCOPED_TRACE(field(row, "label"));
      EXPECT_TRUE(inGroup) << "an option outside a named group";
      EXPECT_FALSE(field(row, "label").empty());
      // A colour picker's cell, with alpha and the fallback, for each colour: the cell
      // stores under its own dictionary's domain and key. A switch, off, for each flag.
      const bool colour = row.count("libcolorpicker") != 0;
      const PlistRow stores = colour ? dictionaryField(row, "libcolorpicker") : row;
      EXPECT_EQ(field(row, "cell"), colour ? "PSLinkCell" : "PSSwitchCell");
      EXPECT_EQ(field(row, "cellClass"), colour ? "PFSimpleLiteColorCell" : "");
      EXPECT_EQ(field(row, "key").empty(), colour) << "a colour row stores only through its cell";
      EXPECT_EQ(field(stores, colour ? "fallback" : "default"), colour ? "#a1a1a1:1.0" : "false");
      EXPECT_EQ(field(stores, "alpha"), colour ? "true" : "");
      EXPECT_EQ(field(stores, "key").rfind(colour ? "vmColor" : "ENABLED", 0), 0u);
      EXPECT_EQ(field(stores, "defaults"), "com.tanvork.velmotint");
      EXPECT_EQ(field(stores, "PostNotification"), "com.tanvork.velmotint/settingschanged");
    }
  }
}

TEST(SpecifierLists, LabelsAreUniqueSoThatPeopleCanNameARow) {
  std::set<std::string> labels;
  for (const char* list : {"main", "VelmoSettings", "VelmoSettings2"}) {
    for (const PlistRow& row : rowsOf(list)) {
      if (field(row, "cell") == "PSGroupCell") continue;
      EXPECT_TRUE(labels.insert(field(row, "label")).second) << field(row, "label");
    }
  }
}

}  // namespace
}  // namespace vm::test
