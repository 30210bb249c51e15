// The hook table: every method the tweak replaces, in install order.
#pragma once

#include <objc/runtime.h>

#include <array>
#include <cstddef>

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

inline constexpr std::size_t kHookCount = 63;

const std::array<HookRow, kHookCount>& hookTable();

// A row whose replacement and saved slot are checked against each other at compile time:
// both must have the method's signature.
template <typename R, typename... Args>
HookRow hookRow(int number, const char* className, MethodKind kind, const char* selector,
                R (*replacement)(id, SEL, Args...), Saved<R(Args...)>& saved) {
  return HookRow{number,   className, kind, selector, vm::toImp(replacement),
                 saved.slot()};
}

}  // namespace velmotint
