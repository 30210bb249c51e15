// The framework tables: each C++ name is its runtime name under the naming rule, and no
// runtime name is declared twice, within a table or across the four.
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
    VM_TEST_ENTRY) VM_PREFERENCES_CLASSES(VM_TEST_ENTRY) VM_SPRINGBOARD_CLASSES(VM_TEST_ENTRY)};
const std::vector<Entry> kSelectors = {VM_FOUNDATION_SELECTORS(VM_TEST_ENTRY) VM_UIKIT_SELECTORS(
    VM_TEST_ENTRY) VM_PREFERENCES_SELECTORS(VM_TEST_ENTRY) VM_SPRINGBOARD_SELECTORS(VM_TEST_ENTRY)};

// The C++17 keywords and alternative tokens a selector could spell.
const std::set<std::string> kKeywords = {
    "alignas",      "alignof",  "and",       "and_eq",   "asm",        "auto",
    "bitand",       "bitor",    "bool",      "break",    "case",       "catch",
    "char",         "class",    "compl",     "const",    "const_cast", "constexpr",
    "continue",     "decltype", "default",   "delete",   "do",         "double",
    "dynamic_cast", "else",     "enum",      "explicit", "export",     "extern",
    "false",        "float",    "for",       "friend",   "goto",       "if",
    "inline",       "int",      "long",      "mutable",  "namespace",  "new",
    "noexcept",     "not",      "not_eq",    "nullptr",  "operator",   "or",
    "or_eq",        "private",  "protected", "public",   "register",   "reinterpret_cast",
    "return",       "short",    "signed",    "sizeof",   "static",     "static_assert",
    "static_cast",  "struct",   "switch",    "template", "this",       "throw",
    "true",         "try",      "typedef",   "typeid",   "typename",   "union",
    "unsigned",     "using",    "virtual",   "void",     "volatile",   "while",
    "xor",          "xor_eq"};

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

TEST(FrameworkNamesTest, NoRuntimeNameIsDeclaredTwice) {
  for (const auto* entries : {&kClasses, &kSelectors}) {
    std::set<std::string> seen;
    for (const Entry& entry : *entries)
      EXPECT_TRUE(seen.insert(entry.text).second) << entry.text << " is declared again";
  }
}

}  // namespace
