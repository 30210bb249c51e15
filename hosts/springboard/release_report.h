// What the release a device runs makes of the tweak's options: the report's lines for the
// release this process plays, and the README's table of every option on every release.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosts/springboard/option_labels.h"
#include "tweak/hook_report.h"

namespace springboard {

// An option a user sets in the pane (a switch or a colour) and the hook rows, by install
// number, that read its key.
struct UserOption {
  std::string key;    // the settings key
  std::string label;  // as the pane shows it
  std::vector<int> rows;
};

// Every key some row reads, with its label: the switches in key order, then the colours.
// The flags no row reads (the pane has no switch for them) are no option.
std::vector<UserOption> userOptions(const std::vector<VelmotintHookInfo>& rows,
                                    const OptionLabels& labels);

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
std::string releaseSummary(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels);

// A markdown table of every option against each release users run, from the release
// facts and the hook table's classes and selectors.
std::string releaseTable(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels);

// Prints releaseTable to standard output and returns 0; 1, with a message, when no loaded
// tweak has a hook table to judge.
int printReleaseTable(const std::vector<VelmotintHookInfo>& rows, const OptionLabels& labels);

}  // namespace springboard
