// The kinds of row the hook list is made of. Each row type names the class and selector it
// replaces (references from bridge/names), the flags and colour keys its replacement reads
// and, through its replacement's type, its shape; row() makes its HookRow.
//
// Most rows need no body of their own: a method skipped, answered with a constant or the
// user's colour, or handed a fixed argument while a flag is on. Those rows are made from the
// templates below, each instance keyed on its class and selector so that it has a saved
// slot of its own. Rows that do more name a hand-written replacement (Written).
#pragma once

#include <objc/runtime.h>

#include <array>
#include <atomic>
#include <type_traits>

#include "bridge/objc_send.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_table.h"
#include "tweak/hooks/user_colour.h"
#include "tweak/saved_slot.h"

namespace velmotint {

using Flag = std::atomic<bool>;

template <Flag&... F>
struct FlagList {
  static RowFlags list() { return {&F...}; }
  // The n of each ENABLEDn read, in order; unused places are 0.
  static constexpr std::array<int, 2> numbers{kFlagNumber<F>...};
};

template <const char*... Key>
struct ColourList {
  static RowColours list() { return {Key...}; }
};

// What every row kind tells without its code: the class and selector it replaces and the
// flags its replacement reads (a FlagList), so that a host can read the list at compile
// time.
template <const vm::ClassRef& C, const vm::SelRef& S>
struct MethodId {};

template <const vm::ClassRef& C, const vm::SelRef& S, typename Flags>
struct RowKeys {
  static constexpr const vm::ClassRef& kClass = C;
  static constexpr const vm::SelRef& kSelector = S;
  using Method = MethodId<C, S>;  // which method, as a type: comparable at compile time
  using FlagsRead = Flags;
};

// A replacement written by hand: `Replacement` reads the flags in Flags (a FlagList) and
// looks up the keys in Colours (a ColourList).
template <auto Replacement, const vm::ClassRef& C, const vm::SelRef& S, typename Flags,
          typename Colours = ColourList<>, MethodKind Kind = MethodKind::Instance>
struct Written : RowKeys<C, S, Flags> {
  static constexpr auto replacement = Replacement;
  static HookRow row() { return rowOf<Replacement>(C, Kind, S, Flags::list(), Colours::list()); }
};

// Shape: the method's return and argument types after the receiver and the selector.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, typename Shape>
struct Skip;

// With F on, the call does nothing.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, typename... Args>
struct Skip<C, S, F, void(Args...)> : RowKeys<C, S, FlagList<F>> {
  static void replace(id self, SEL cmd, Args... args) {
    if (on(F)) return;
    original<&replace>(self, cmd, args...);
  }
  static constexpr auto replacement = &replace;
  static HookRow row() { return rowOf<replacement>(C, MethodKind::Instance, S, {&F}, {}); }
};

// With F on, the getter answers `Value` (nil for an object) without asking the platform.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, typename R, int Value>
struct Answer : RowKeys<C, S, FlagList<F>> {
  static_assert(!std::is_pointer_v<R> || Value == 0, "an object answer can only be nil");
  static R answer() {
    if constexpr (std::is_pointer_v<R>)
      return nullptr;
    else
      return static_cast<R>(Value);
  }
  static R replace(id self, SEL cmd) {
    if (on(F)) return answer();
    return original<&replace>(self, cmd);
  }
  static constexpr auto replacement = &replace;
  static HookRow row() { return rowOf<replacement>(C, MethodKind::Instance, S, {&F}, {}); }
};

// With F on, the platform still runs, but its first argument is `Value`.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, typename Shape, int Value>
struct Force;

template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, typename First, typename... Rest,
          int Value>
struct Force<C, S, F, void(First, Rest...), Value> : RowKeys<C, S, FlagList<F>> {
  static constexpr First forced = static_cast<First>(Value);
  static void replace(id self, SEL cmd, First first, Rest... rest) {
    original<&replace>(self, cmd, on(F) ? forced : first, rest...);
  }
  static constexpr auto replacement = &replace;
  static HookRow row() { return rowOf<replacement>(C, MethodKind::Instance, S, {&F}, {}); }
};

// A colour setter: with F on, the platform is handed the user's colour under Key instead of
// the caller's.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, const char* Key>
struct Tint : RowKeys<C, S, FlagList<F>> {
  static constexpr const char* key = Key;
  static void replace(id self, SEL cmd, id colour) {
    if (!on(F)) return original<&replace>(self, cmd, colour);
    return flagOn([=] { original<&replace>(self, cmd, userColour(Key)); });
  }
  static constexpr auto replacement = &replace;
  static HookRow row() { return rowOf<replacement>(C, MethodKind::Instance, S, {&F}, {Key}); }
};

// A colour getter: with F on, the answer is the user's colour under Key, whatever the
// arguments; the platform is not asked.
template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, const char* Key, typename Shape,
          MethodKind Kind = MethodKind::Instance>
struct AnswerColour;

template <const vm::ClassRef& C, const vm::SelRef& S, Flag& F, const char* Key, typename... Args,
          MethodKind Kind>
struct AnswerColour<C, S, F, Key, id(Args...), Kind> : RowKeys<C, S, FlagList<F>> {
  static constexpr const char* key = Key;
  static id replace(id self, SEL cmd, Args... args) {
    if (on(F)) return userColour(Key);
    return original<&replace>(self, cmd, args...);
  }
  static constexpr auto replacement = &replace;
  static HookRow row() { return rowOf<replacement>(C, Kind, S, {&F}, {Key}); }
};

// The hook list: its row types in install order.
template <typename... Row>
struct HookList {
  static constexpr std::size_t size = sizeof...(Row);
};

}  // namespace velmotint
