#include "tweak/hook_report.h"

#include <string>
#include <vector>

#include "tweak/feature_flags.h"
#include "tweak/hook_table.h"

namespace velmotint {
namespace {

const char* keyOf(const std::atomic<bool>* flag) {
  for (const FeatureFlag& entry : kFeatureFlags)
    if (entry.flag == flag) return entry.key;
  return "?";
}

struct RowKeys {
  std::string flags;
  std::string colours;
};

// Each row's keys as the report spells them, made once: the report hands out pointers
// into them.
const std::vector<RowKeys>& rowKeys() {
  static const std::vector<RowKeys> keys = [] {
    std::vector<RowKeys> made;
    for (const HookRow& row : hookTable()) {
      RowKeys spelt;
      for (const std::atomic<bool>* flag : row.flags)
        if (flag != nullptr) spelt.flags += std::string(keyOf(flag)) + " ";
      for (const char* colour : row.colours)
        if (colour != nullptr) spelt.colours += std::string(colour) + " ";
      made.push_back(spelt);
    }
    return made;
  }();
  return keys;
}

}  // namespace
}  // namespace velmotint

extern "C" std::size_t VelmotintCopyHookInfo(VelmotintHookInfo* out, std::size_t capacity) {
  const auto& table = velmotint::hookTable();
  const auto& keys = velmotint::rowKeys();
  for (std::size_t i = 0; i < table.size() && i < capacity && out != nullptr; ++i) {
    const velmotint::HookRow& row = table[i];
    out[i] = VelmotintHookInfo{static_cast<int>(i) + 1,
                               row.className,
                               row.kind == velmotint::MethodKind::Class ? 1 : 0,
                               row.selector,
                               *row.saved != nullptr ? 1 : 0,
                               keys[i].flags.c_str(),
                               keys[i].colours.c_str()};
  }
  return table.size();
}

extern "C" std::size_t VelmotintCopyFlagInfo(VelmotintFlagInfo* out, std::size_t capacity) {
  const auto& flags = velmotint::kFeatureFlags;
  for (std::size_t i = 0; i < flags.size() && i < capacity && out != nullptr; ++i)
    out[i] = VelmotintFlagInfo{flags[i].key, velmotint::on(*flags[i].flag) ? 1 : 0};
  return flags.size();
}
