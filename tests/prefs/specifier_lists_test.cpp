// The bundle's resources as built: the three specifier lists, Info.plist and the loader
// entry. What each row does is tested through the Settings app; here, that the lists hold
// every option that changes something, once, stored and announced where the tweak looks.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "bridge/foundation.h"

namespace vm::test {
namespace {

const std::string kStage = VM_BUILD_DIR "/prefs/stage";
const std::string kBundle = kStage + "/Library/PreferenceBundles/velmotintPrefs.bundle";

using Row = std::map<std::string, std::string>;  // booleans read as "true" / "false"

std::string valueText(id value) {
  if (isString(value)) return stdString(value);
  if (isKindOf(value, cls::NSNumber)) return send<BOOL>(value, sel::boolValue) ? "true" : "false";
  return "?";
}

id copyPlist(const std::string& file) {
  id plist = copyDictionaryAtPath(nsString(file));
  EXPECT_NE(plist, nil) << file;
  return plist;
}

std::vector<Row> rowsOf(const std::string& list) {
  AutoreleasePool pool;
  std::vector<Row> rows;
  id plist = copyPlist(kBundle + "/" + list + ".plist");
  id items = send<id>(plist, sel::objectForKey_, nsString("items"));
  for (NSUInteger i = 0; i < send<NSUInteger>(items, sel::count); ++i) {
    id item = send<id>(items, sel::objectAtIndex_, i);
    id keys = send<id>(item, sel::allKeys);
    Row row;
    for (NSUInteger k = 0; k < send<NSUInteger>(keys, sel::count); ++k) {
      id key = send<id>(keys, sel::objectAtIndex_, k);
      row[stdString(key)] = valueText(send<id>(item, sel::objectForKey_, key));
    }
    rows.push_back(row);
  }
  release(plist);
  return rows;
}

std::string get(const Row& row, const std::string& key) {
  auto found = row.find(key);
  return found == row.end() ? std::string() : found->second;
}

std::vector<Row> subpageRows() {
  std::vector<Row> rows = rowsOf("VelmoSettings");
  for (const Row& row : rowsOf("VelmoSettings2")) rows.push_back(row);
  return rows;
}

TEST(SpecifierLists, EveryFlagThatChangesSomethingIsOneSwitchOffByDefault) {
  std::map<std::string, int> seen;
  for (const Row& row : subpageRows()) {
    if (get(row, "key").rfind("ENABLED", 0) != 0) continue;
    ++seen[get(row, "key")];
    EXPECT_EQ(get(row, "cell"), "PSSwitchCell") << get(row, "key");
    EXPECT_EQ(get(row, "default"), "false") << get(row, "key");
  }
  for (int n = 1; n <= 24; ++n) {
    std::string key = "ENABLED" + std::to_string(n);
    EXPECT_EQ(seen[key], n == 5 || n == 20 ? 0 : 1) << key;
  }
}

TEST(SpecifierLists, SixColourRowsTakeColourStringsWithTheFallbackAsDefault) {
  std::map<std::string, int> seen;
  for (const Row& row : subpageRows()) {
    if (get(row, "key").rfind("vmColor", 0) != 0) continue;
    ++seen[get(row, "key")];
    EXPECT_EQ(get(row, "cell"), "PSEditTextCell") << get(row, "key");
    EXPECT_EQ(get(row, "isColourString"), "true") << get(row, "key");
    EXPECT_EQ(get(row, "default"), "#a1a1a1:1.0") << get(row, "key");
  }
  for (int n = 1; n <= 6; ++n) EXPECT_EQ(seen["vmColor" + std::to_string(n)], 1) << n;
}

TEST(SpecifierLists, EveryOptionIsLabelledGroupedStoredInTheDomainAndAnnounced) {
  for (const char* list : {"VelmoSettings", "VelmoSettings2"}) {
    SCOPED_TRACE(list);
    bool inGroup = false;
    for (const Row& row : rowsOf(list)) {
      if (get(row, "cell") == "PSGroupCell") {
        inGroup = !get(row, "label").empty();
        continue;
      }
      SCOPED_TRACE(get(row, "key"));
      EXPECT_TRUE(inGroup) << "an option outside a named group";
      EXPECT_FALSE(get(row, "label").empty());
      EXPECT_EQ(get(row, "defaults"), "com.tanvork.velmotint");
      EXPECT_EQ(get(row, "PostNotification"), "com.tanvork.velmotint/settingschanged");
    }
  }
}

TEST(SpecifierLists, LabelsAreUniqueSoThatPeopleCanNameARow) {
  std::set<std::string> labels;
  for (const char* list : {"main", "VelmoSettings", "VelmoSettings2"}) {
    for (const Row& row : rowsOf(list)) {
      if (get(row, "cell") == "PSGroupCell") continue;
      EXPECT_TRUE(labels.insert(get(row, "label")).second) << get(row, "label");
    }
  }
}

TEST(SpecifierLists, RootPageHasTheHeaderTheTwoPagesAndTheTwoButtons) {
  std::vector<Row> rows = rowsOf("main");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(get(rows[0], "cell"), "PSGroupCell");
  EXPECT_EQ(get(rows[0], "headerCellClass"), "Velmo2TopCell");
  std::vector<std::string> links, actions;
  for (const Row& row : rows) {
    if (get(row, "cell") == "PSLinkCell") links.push_back(get(row, "detail"));
    if (get(row, "cell") == "PSButtonCell") actions.push_back(get(row, "action"));
    EXPECT_EQ(get(row, "key"), "") << "the root page stores nothing";
  }
  EXPECT_EQ(links, (std::vector<std::string>{"velmotintPrefs1ListController",
                                             "velmotintPrefs2ListController"}));
  EXPECT_EQ(actions, (std::vector<std::string>{"respring:", "tanvorkTwitter:"}));
}

TEST(SpecifierLists, BundleAndLoaderEntryPointAtEachOther) {
  AutoreleasePool pool;
  id info = copyPlist(kBundle + "/Info.plist");
  EXPECT_EQ(stdString(send<id>(info, sel::objectForKey_, nsString("NSPrincipalClass"))),
            "velmotintPrefsListController");
  std::string executable =
      stdString(send<id>(info, sel::objectForKey_, nsString("CFBundleExecutable")));
  EXPECT_TRUE(std::filesystem::is_regular_file(kBundle + "/" + executable)) << executable;
  release(info);

  id loader = copyPlist(kStage + "/Library/PreferenceLoader/Preferences/velmotintPrefs.plist");
  id entry = send<id>(loader, sel::objectForKey_, nsString("entry"));
  std::string bundle = stdString(send<id>(entry, sel::objectForKey_, nsString("bundle")));
  EXPECT_TRUE(
      std::filesystem::is_directory(kStage + "/Library/PreferenceBundles/" + bundle + ".bundle"));
  EXPECT_EQ(stdString(send<id>(entry, sel::objectForKey_, nsString("label"))), "Velmotint");
  release(loader);
}

}  // namespace
}  // namespace vm::test
