#include "hosts/springboard/hook_listing.h"

#include <cstdio>
#include <filesystem>

#include "hosts/springboard/release_report.h"
#include "linux_only/tweak_report.h"

namespace springboard {

HookListing listHooks(const std::vector<LoadedTweak>& tweaks) {
  HookListing listing;
  for (const LoadedTweak& tweak : tweaks) {
    std::string name = std::filesystem::path(tweak.path).filename().string();
    if (tweak.handle == nullptr) continue;  // the report's header says why
    std::optional<std::vector<VelmotintHookInfo>> rows = vm::loadedHookRows(tweak.handle);
    if (!rows) {
      listing.text += name + ": loaded (no hook table to list)\n";
      continue;
    }
    listing.text += name + ": " + std::to_string(rows->size()) + " hooks\n";
    for (const VelmotintHookInfo& row : *rows) {
      char line[200];
      std::snprintf(line, sizeof line, "  %2d %-9s %c[%s %s]%s%s%s\n", row.number,
                    row.installed ? "installed" : "SKIPPED", row.isClassMethod ? '+' : '-',
                    row.className, row.selector, row.installed ? "" : " (",
                    row.installed ? "" : skipReason(row), row.installed ? "" : ")");
      listing.text += line;
      if (!row.installed) listing.skippedText += line;
      (row.installed ? listing.installed : listing.skipped) += 1;
      listing.rows.push_back(row);
    }
  }
  return listing;
}

}  // namespace springboard
