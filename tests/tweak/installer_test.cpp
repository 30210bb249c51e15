// The hook table as data, and what installing it does to the process's classes.
#include "tweak/installer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "bridge/objc_send.h"
#include "tests/support/hook_probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_keys.h"
#include "tweak/hook_list.h"
#include "tweak/hook_report.h"
#include "tweak/hook_table.h"

namespace {

using velmotint::HookRow;
using velmotint::hookTable;
using vm::test::targetOf;

IMP currentImplementation(const HookRow& row) {
  Method method = class_getInstanceMethod(targetOf(row), sel_registerName(row.selector));
  return method == nullptr ? nullptr : method_getImplementation(method);
}

TEST(HookTable, HasOneRowPerListedHookEachWithItsOwnMethodReplacementAndSlot) {
  const auto& table = hookTable();
  ASSERT_EQ(table.size(), velmotint::Hooks::size);
  std::set<std::pair<std::string, std::string>> pairs;
  std::set<IMP> replacements;
  std::set<IMP*> slots;
  std::vector<std::string> classOrder;
  for (const HookRow& row : table) {
    SCOPED_TRACE(std::string(row.className) + " " + row.selector);
    EXPECT_TRUE(pairs.emplace(row.className, row.selector).second) << "appears twice";
    EXPECT_TRUE(replacements.insert(row.replacement).second);
    EXPECT_TRUE(slots.insert(row.saved).second);
    if (classOrder.empty() || classOrder.back() != row.className)
      classOrder.push_back(row.className);
  }
  EXPECT_EQ(std::set<std::string>(classOrder.begin(), classOrder.end()).size(), classOrder.size())
      << "a class's rows must stand together";
}

// The report spells each row's flags and colours by their settings keys, in the row's order.
TEST(HookTable, TheReportNamesEachRowsFlagsAndColoursByKey) {
  std::vector<VelmotintHookInfo> report(VelmotintCopyHookInfo(nullptr, 0));
  VelmotintCopyHookInfo(report.data(), report.size());
  ASSERT_EQ(report.size(), hookTable().size());
  for (std::size_t i = 0; i < report.size(); ++i) {
    const HookRow& row = hookTable()[i];
    std::string flags, colours;
    for (const std::atomic<bool>* place : row.flags)
      for (const velmotint::FeatureFlag& flag : velmotint::kFeatureFlags)
        if (place != nullptr && place == flag.flag) flags += std::string(flag.key) + " ";
    for (const char* colour : row.colours)
      if (colour != nullptr) colours += std::string(colour) + " ";
    EXPECT_EQ(report[i].number, static_cast<int>(i) + 1);
    EXPECT_STREQ(report[i].className, row.className);
    EXPECT_STREQ(report[i].flags, flags.c_str()) << row.className << " " << row.selector;
    EXPECT_STREQ(report[i].colours, colours.c_str()) << row.className << " " << row.selector;
  }
}

// The constants a host reads (tweak/hook_keys.h) are the rows the tweak installs: the same
// methods in the same order, each with the flags its replacement reads.
TEST(HookTable, TheConstantKeysAreTheInstalledRowsWithTheirFlagNumbers) {
  const auto& table = hookTable();
  ASSERT_EQ(velmotint::kHookKeys.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const HookRow& row = table[i];
    const velmotint::HookKeys& keys = velmotint::kHookKeys[i];
    SCOPED_TRACE(std::string(row.className) + " " + row.selector);
    EXPECT_STREQ(keys.cls->name(), row.className);
    EXPECT_STREQ(keys.selector->name(), row.selector);
    for (std::size_t place = 0; place < row.flags.size(); ++place) {
      int expected = 0;
      for (std::size_t n = 0; n < velmotint::kFeatureFlags.size(); ++n)
        if (row.flags[place] == velmotint::kFeatureFlags[n].flag)
          expected = static_cast<int>(n) + 1;
      EXPECT_EQ(keys.flags[place], expected) << "flag place " << place;
    }
  }
}

// What the device's log says for a row the running release cannot take.
TEST(HookTable, ASkippedRowsLineNamesTheMethodAndWhatTheReleaseLacks) {
  const struct {
    const char* className;
    velmotint::MethodKind kind;
    const char* selector;
    bool classFound;
    const char* line;
  } cases[] = {
      {"SBAwayView", velmotint::MethodKind::Instance, "setFrame:", false,
       "Velmotint: skipped -[SBAwayView setFrame:]: this iOS release has no class SBAwayView"},
      {"SBBannerContextView", velmotint::MethodKind::Class, "_defaultGrabberColor", true,
       "Velmotint: skipped +[SBBannerContextView _defaultGrabberColor]: this iOS release has "
       "no such method"},
  };
  for (const auto& c : cases) {
    HookRow row{c.className, c.kind, c.selector, nullptr, nullptr, {}, {}};
    EXPECT_EQ(velmotint::skippedRowLine(row, c.classFound), c.line);
  }
}

TEST(HookTable, SlotsAreEmptyBeforeInstallation) {
  for (const HookRow& row : hookTable())
    EXPECT_EQ(*row.saved, nullptr) << row.className << " " << row.selector;
}

class InstallerTest : public vm::test::SpringBoardProcessTest {};

TEST_F(InstallerTest, EveryRowTakesHoldAndSavesTheFormerImplementation) {
  std::map<const HookRow*, IMP> before;
  for (const HookRow& row : hookTable()) {
    before[&row] = currentImplementation(row);
    ASSERT_NE(before[&row], nullptr)
        << "the platform lacks " << row.className << " " << row.selector;
  }
  installHooks();
  for (const HookRow& row : hookTable()) {
    SCOPED_TRACE(std::string(row.className) + " " + row.selector);
    EXPECT_EQ(*row.saved, before[&row]) << "saved slot holds the former implementation";
    EXPECT_EQ(currentImplementation(row), row.replacement);
  }
}

// Every row's method, the class method's on the metaclass, is replaced by the test above.
TEST_F(InstallerTest, TheClassMethodDoesNotBecomeAnInstanceMethod) {
  installHooks();
  EXPECT_EQ(
      class_getInstanceMethod(cls("SBBannerContextView"), sel_registerName("_defaultGrabberColor")),
      nullptr);
}

}  // namespace
