// A plain-C view of the hook table for whoever loaded the tweak: which rows there are and
// which of them took hold in this process. The loader's report reads it through dlsym.
#pragma once

#include <cstddef>

extern "C" {

struct VelmotintHookInfo {
  int number;
  const char* className;
  int isClassMethod;
  const char* selector;
  int installed;  // the row's saved slot holds the former implementation
};

// Writes up to `capacity` rows to `out` in install order and returns the number of rows.
std::size_t VelmotintCopyHookInfo(VelmotintHookInfo* out, std::size_t capacity);
}
