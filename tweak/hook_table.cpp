#include "tweak/hook_table.h"

#include "tweak/hook_list.h"

namespace velmotint {
namespace {

template <typename... Row>
std::vector<HookRow> rowsOf(HookList<Row...>) {
  return {Row::row()...};
}

}  // namespace

const std::vector<HookRow>& hookTable() {
  static const std::vector<HookRow> table = rowsOf(Hooks{});
  return table;
}

}  // namespace velmotint
