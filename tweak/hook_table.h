// The hook table: every method the tweak replaces, in install order, as plain rows built
// from the row types of tweak/hook_list.h.
#pragma once

#include <objc/runtime.h>

#include <array>
#include <atomic>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/objc_send.h"
#include "tweak/saved_slot.h"

namespace velmotint {

enum class MethodKind { Instance, Class };

// The feature flags a row's replacement reads and the colour keys it looks up, in the
// order it reads them; unused places are null. Two of each is the most any row needs.
using RowFlags = std::array<std::atomic<bool>*, 2>;
using RowColours = std::array<const char*, 2>;

struct HookRow {
  const char* className;
  MethodKind kind;
  const char* selector;
  IMP replacement;
  IMP* saved;
  RowFlags flags;
  RowColours colours;
};

// The row of `Replacement` on `cls`'s method `sel`, with the saved slot that belongs to it.
template <auto Replacement>
HookRow rowOf(const vm::ClassRef& cls, MethodKind kind, const vm::SelRef& sel, RowFlags flags,
              RowColours colours) {
  static_assert(MethodOf<decltype(Replacement)>::kIsMethod,
                "a replacement takes the receiver and the selector first");
  return HookRow{
      cls.name(), kind,   sel.name(), vm::toImp(Replacement), &savedImplementation<Replacement>,
      flags,      colours};
}

// Every row, in install order: the row types tweak/hook_list.h lists, one row each.
const std::vector<HookRow>& hookTable();

}  // namespace velmotint
