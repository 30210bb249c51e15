#include "tweak/hook_table.h"

#include "tweak/hooks/replacements.h"

namespace velmotint {

const std::array<HookRow, kHookCount>& hookTable() {
  static const std::array<HookRow, kHookCount> table = [] {
    std::array<HookRow, kHookCount> merged{};
    for (HookRows (*group)() :
         {homeItemHooks, lockScreenElementHooks, lockScreenTintHooks, statusBarTintHooks}) {
      for (const HookRow& row : group()) {
        // A number out of range is left out; the table's test finds the gap.
        if (row.number >= 1 && row.number <= static_cast<int>(kHookCount))
          merged[row.number - 1] = row;
      }
    }
    return merged;
  }();
  return table;
}

}  // namespace velmotint
