// The hook list as constants: each row's class, selector and the flags its replacement
// reads, in install order, without the rows' code. A host that shows which flags drive
// what reads these even when no tweak is loaded, and links nothing of the tweak for them.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

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

// The place in the list of the row that replaces C's S; -1 when no row does. Matched by
// type: comparing the references' addresses is no constant where the sanitizers instrument
// globals.
template <const vm::ClassRef& C, const vm::SelRef& S, typename... Row>
constexpr int placeOf(HookList<Row...>) {
  constexpr bool matches[] = {std::is_same_v<typename Row::Method, MethodId<C, S>>...};
  for (std::size_t i = 0; i < sizeof...(Row); ++i)
    if (matches[i]) return static_cast<int>(i);
  return -1;
}

// The row that replaces C's S, for a table built at compile time; no such row does not
// compile.
template <const vm::ClassRef& C, const vm::SelRef& S>
constexpr const HookKeys* hookKeysOf() {
  constexpr int place = placeOf<C, S>(Hooks{});
  static_assert(place >= 0, "no hook row replaces this method");
  return &kHookKeys[place];
}

}  // namespace velmotint
