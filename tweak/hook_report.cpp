#include "tweak/hook_report.h"

#include "tweak/hook_table.h"

extern "C" std::size_t VelmotintCopyHookInfo(VelmotintHookInfo* out, std::size_t capacity) {
  const auto& table = velmotint::hookTable();
  for (std::size_t i = 0; i < table.size() && i < capacity && out != nullptr; ++i) {
    const velmotint::HookRow& row = table[i];
    out[i] = VelmotintHookInfo{row.number, row.className,
                               row.kind == velmotint::MethodKind::Class ? 1 : 0, row.selector,
                               *row.saved != nullptr ? 1 : 0};
  }
  return table.size();
}
