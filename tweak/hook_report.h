// A plain-C view of the hook table and the feature flags for whoever loaded the tweak:
// which rows there are, what drives each, which of them took hold in this process and
// which flags are on. The loader's report reads it through dlsym.
#pragma once

#include <cstddef>

extern "C" {

struct VelmotintHookInfo {
  int number;  // install order, 1-based
  const char* className;
  int isClassMethod;
  const char* selector;
  int installed;  // the row's saved slot holds the former implementation
  // The settings keys the row's replacement reads, each followed by one space, in the
  // order it reads them: "ENABLED1 ENABLED2 " and "vmColor4 vmColor6 "; "" for none.
  const char* flags;
  const char* colours;
};

// Writes up to `capacity` rows to `out` in install order and returns the number of rows.
std::size_t VelmotintCopyHookInfo(VelmotintHookInfo* out, std::size_t capacity);

struct VelmotintFlagInfo {
  const char* key;  // "ENABLED1" ...
  int on;           // the value the replacements read at this moment
};

// Writes up to `capacity` feature flags to `out` in key order and returns the number of flags.
std::size_t VelmotintCopyFlagInfo(VelmotintFlagInfo* out, std::size_t capacity);
}
