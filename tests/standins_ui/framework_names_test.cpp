// The framework tables: each C++ name is its runtime name under the naming rule. So no
// runtime name is declared twice, within a table or across the four: a second entry would
// either break the rule or define the same C++ name again, which does not compile.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bridge/selectors.h"

namespace {

struct Entry {
  const char* cppName;
  const char* text;
};

#define VM_TEST_ENTRY(name, text) Entry{#name, text},

const std::vector<Entry> kClasses = {VM_FOUNDATION_CLASSES(VM_TEST_ENTRY) VM_UIKIT_CLASSES(
    VM_TEST_ENTRY) VM_PREFERENCES_CLASSES(VM_TEST_ENTRY) VM_SPRINGBOARD_CLASSES(VM_TEST_ENTRY)
                                         VM_COLORPICKER_CLASSES(VM_TEST_ENTRY)};
const std::vector<Entry> kSelectors = {VM_FOUNDATION_SELECTORS(VM_TEST_ENTRY) VM_UIKIT_SELECTORS(
    VM_TEST_ENTRY) VM_PREFERENCES_SELECTORS(VM_TEST_ENTRY) VM_SPRINGBOARD_SELECTORS(VM_TEST_ENTRY)
                                           VM_COLORPICKER_SELECTORS(VM_TEST_ENTRY)};

// C++ keywords a selector may spell (an entry named by any other keyword would not compile).
const std::set<std::string> kKeywords = {"class",    "default", "delete",   "new",      "operator",
                                         "register", "this",    "template", "typename", "union"};

std::string ruleName(std::string text) {
  std::replace(text.begin(), text.end(), ':', '_');
  if (!text.empty() && text[0] == '_') text = "p" + text;
  if (kKeywords.count(text) != 0) text += '_';
  return text;
}

TEST(FrameworkNamesTest, EachNameIsItsRuntimeNameUnderTheRule) {
  for (const auto* entries : {&kClasses, &kSelectors})
    for (const Entry& entry : *entries) EXPECT_EQ(entry.cppName, ruleName(entry.text));
}

}  // namespace
