// The hook list as constants: each row's class, selector and the flags its replacement
// reads, in install order, without the rows' code. A host that shows which flags drive
// what reads these even when no tweak is loaded, and links nothing of the tweak for them.
#pragma once

#include <array>

#include "bridge/objc_send.h"
#include "tweak/hook_list.h"

namespace velmotint {

struct HookKeys {
  const vm::ClassRef* cls;
  const vm::SelRef* selector;
  std::array<int, 2> flags;  // the n of each ENABLEDn read, in order; unused places are 0
};

template <typename... Row>
constexpr std::array<HookKeys, sizeof...(Row)> keysOf(HookList<Row...>) {
  return {HookKeys{&Row::kClass, &Row::kSelector, Row::FlagsRead::numbers}...};
}

inline constexpr std::array kHookKeys = keysOf(Hooks{});

// The row that replaces `cls`'s `selector`; null when no row does.
constexpr const HookKeys* findHookKeys(const vm::ClassRef& cls, const vm::SelRef& selector) {
  for (const HookKeys& keys : kHookKeys)
    if (keys.cls == &cls && keys.selector == &selector) return &keys;
  return nullptr;
}

}  // namespace velmotint
