// The bundle's specifier lists as built. What each row does is tested through the Settings
// app; here, that the lists hold every option that changes something, once, stored and
// announced where the tweak looks.
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

std::vector<PlistRow> subpageRows() {
  std::vector<PlistRow> rows = rowsOf("VelmoSettings");
  for (const PlistRow& row : rowsOf("VelmoSettings2")) rows.push_back(row);
  return rows;
}

TEST(SpecifierLists, EveryFlagThatChangesSomethingIsOneSwitchOffByDefault) {
  std::map<std::string, int> seen;
  for (const PlistRow& row : subpageRows()) {
    if (field(row, "key").rfind("ENABLED", 0) != 0) continue;
    ++seen[field(row, "key")];
    EXPECT_EQ(field(row, "cell"), "PSSwitchCell") << field(row, "key");
    EXPECT_EQ(field(row, "default"), "false") << field(row, "key");
  }
  for (int n = 1; n <= 24; ++n) {
    std::string key = "ENABLED" + std::to_string(n);
    EXPECT_EQ(seen[key], n == 5 || n == 20 ? 0 : 1) << key;
  }
}

TEST(SpecifierLists, SixColourRowsTakeColourStringsWithTheFallbackAsDefault) {
  std::map<std::string, int> seen;
  for (const PlistRow& row : subpageRows()) {
    if (field(row, "key").rfind("vmColor", 0) != 0) continue;
    ++seen[field(row, "key")];
    EXPECT_EQ(field(row, "cell"), "PSEditTextCell") << field(row, "key");
    EXPECT_EQ(field(row, "isColourString"), "true") << field(row, "key");
    EXPECT_EQ(field(row, "default"), "#a1a1a1:1.0") << field(row, "key");
  }
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(seen["vmColor" + std::to_string(n)], 1) << n;
}

TEST(SpecifierLists, EveryOptionIsLabelledGroupedStoredInTheDomainAndAnnounced) {
  for (const char* list : {"VelmoSettings", "VelmoSettings2"}) {
    SCOPED_TRACE(list);
    bool inGroup = false;
    for (const PlistRow& row : rowsOf(list)) {
      if (field(row, "cell") == "PSGroupCell") {
        inGroup = !field(row, "label").empty();
        continue;
      }
      SCOPED_TRACE(field(row, "key"));
      EXPECT_TRUE(inGroup) << "an option outside a named group";
      EXPECT_FALSE(field(row, "label").empty());
      EXPECT_EQ(field(row, "defaults"), "com.tanvork.velmotint");
      EXPECT_EQ(field(row, "PostNotification"), "com.tanvork.velmotint/settingschanged");
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
