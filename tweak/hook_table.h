// The hook table: every method the tweak replaces, in install order. Each group of
// replacements lists its own rows; the table merges them by install number.
#pragma once

#include <objc/runtime.h>

#include <array>
#include <cstddef>
#include <vector>

#include "bridge/class_builder.h"
#include "tweak/saved_slot.h"

namespace velmotint {

enum class MethodKind { Instance, Class };

struct HookRow {
  int number;  // install order, 1-based
  const char* className;
  MethodKind kind;
  const char* selector;
  IMP replacement;
  IMP* saved;
};

using HookRows = std::vector<HookRow>;

inline constexpr std::size_t kHookCount = 63;

const std::array<HookRow, kHookCount>& hookTable();

// The row of `Replacement`, with the saved slot that belongs to it.
template <auto Replacement>
HookRow hook(int number, const char* className, MethodKind kind, const char* selector) {
  static_assert(MethodOf<decltype(Replacement)>::kIsMethod,
                "a replacement takes the receiver and the selector first");
  return HookRow{
      number, className, kind, selector, vm::toImp(Replacement), &savedImplementation<Replacement>};
}

}  // namespace velmotint
