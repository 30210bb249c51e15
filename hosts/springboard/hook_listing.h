// The report's list of the hook table rows of each loaded tweak, installed or skipped.
#pragma once

#include <string>
#include <vector>

#include "hosts/springboard/tweak_loader.h"
#include "tweak/hook_report.h"

namespace springboard {

struct HookListing {
  std::string text;         // every row of every loaded tweak
  std::string skippedText;  // the rows that did not take hold
  int installed = 0;
  int skipped = 0;
  std::vector<VelmotintHookInfo> rows;  // of every tweak listed
};

HookListing listHooks(const std::vector<LoadedTweak>& tweaks);

}  // namespace springboard
