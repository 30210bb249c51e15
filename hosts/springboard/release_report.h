// What the release a device runs makes of the tweak's options: the report's lines for the
// release this process plays, and the README's table of every option on every release.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosts/springboard/release_options.h"
#include "tweak/hook_report.h"

namespace springboard {

enum class Effect { Full, Partial, None };

struct OptionEffect {
  Effect effect;
  int acting;  // rows of the option that install
  int total;
};

// How much of `option` acts when `installs` says which rows (by install number) install.
OptionEffect effectOf(const UserOption& option, const std::function<bool(int)>& installs);

// "full", "partial (3 of 5)" or "no effect".
std::string effectText(const OptionEffect& effect);

// Why a row did not install in this process: "class absent" or "method absent".
const char* skipReason(const VelmotintHookInfo& row);

// The release this process plays, and the options that do nothing or only part of their
// work here, judged by the rows that actually installed (none without rows).
std::string releaseSummary(const std::vector<VelmotintHookInfo>& rows);

// A markdown table of every option against each release users run, from the release
// facts and the hook table's classes and selectors.
std::string releaseTable(const std::vector<VelmotintHookInfo>& rows);

// Prints releaseTable to standard output and returns 0; 1, with a message, when no loaded
// tweak has a hook table to judge.
int printReleaseTable(const std::vector<VelmotintHookInfo>& rows);

}  // namespace springboard
