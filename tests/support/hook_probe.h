// A recording stand-in for the platform method a hook replaces, named by the hook's
// replacement: the row, class, selector and signature all come from the hook itself. Put
// in place of the class's own implementation before hooks are installed, it shows exactly
// what the replacement hands to its saved implementation, and answers what a test sets.
#pragma once

#include <gtest/gtest.h>
#include <objc/runtime.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <type_traits>
#include <utility>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "tests/support/objc_helpers.h"
#include "tweak/feature_flags.h"
#include "tweak/hook_table.h"

namespace vm::test {

// The hook table's row of the replacement `imp`.
inline const velmotint::HookRow& rowOf(IMP imp) {
  for (const velmotint::HookRow& row : velmotint::hookTable())
    if (row.replacement == imp) return row;
  std::abort();  // a replacement without a row: the table test names it
}

// The class, or for a class method the metaclass, that the row's method lives on.
inline Class targetOf(const velmotint::HookRow& row) {
  Class cls = objc_getClass(row.className);
  if (row.kind == velmotint::MethodKind::Class && cls != nullptr)
    return object_getClass(vm::asId(cls));
  return cls;
}

// A value of type T for a test to pass or answer: `pass` and `index` make it differ
// between two runs of a check and between the arguments of one call.
template <typename T>
T sample(int pass, int index) {
  if constexpr (std::is_same_v<T, id>) {
    static id made[2][6] = {};
    id& value = made[pass][index];
    if (value == nil)
      value = vm::send<id>(vm::send<id>(vm::cls::NSObject.get(), vm::sel::alloc), vm::sel::init);
    return value;
  } else if constexpr (std::is_same_v<T, BOOL>) {
    return (pass + index) % 2 == 0 ? NO : YES;
  } else if constexpr (std::is_same_v<T, CGRect>) {
    return CGRect{{1.0 + index, 2}, {30, 40.0 + pass}};
  } else {
    return static_cast<T>(3.375 + index + 10 * pass);  // never 0 or 1, nor a BOOL
  }
}

template <auto Replacement,
          typename Signature = typename velmotint::MethodOf<decltype(Replacement)>::Signature>
struct HookProbe;

template <auto Replacement, typename R, typename... Args>
struct HookProbe<Replacement, R(Args...)> {
  using Arguments = std::tuple<Args...>;
  using Answer = std::conditional_t<std::is_void_v<R>, int, R>;

  static inline int calls = 0;
  static inline id lastSelf = nil;
  static inline SEL lastCmd = nullptr;
  static inline Arguments lastArgs{};
  static inline Answer answer{};  // what the probe answers

  static const velmotint::HookRow& row() { return rowOf(vm::toImp(Replacement)); }
  static SEL selector() { return sel(row().selector); }

  static R implementation(id self, SEL cmd, Args... args) {
    ++calls;
    lastSelf = self;
    lastCmd = cmd;
    lastArgs = Arguments(args...);
    if constexpr (!std::is_void_v<R>) return answer;
  }

  // Makes the probe the class's own implementation of the hooked method. Fails if the class
  // only inherits the method or declares it with another signature than the replacement's.
  static void install() {
    Method method = ownMethod(targetOf(row()), selector());
    ASSERT_NE(method, nullptr) << row().className << " " << row().selector << " is not its own";
    EXPECT_STREQ(method_getTypeEncoding(method), vm::methodTypeEncoding(Replacement).c_str())
        << row().className << " " << row().selector;
    method_setImplementation(method, vm::toImp(&implementation));
  }

  // Arguments for a call: they differ between the two passes and between positions.
  static Arguments arguments(int pass) {
    return arguments(pass, std::index_sequence_for<Args...>{});
  }

  static void reset() {
    calls = 0;
    lastSelf = nil;
    lastCmd = nullptr;
    lastArgs = Arguments{};
  }

  template <std::size_t... Index>
  static Arguments arguments([[maybe_unused]] int pass, std::index_sequence<Index...>) {
    return Arguments{sample<Args>(pass, static_cast<int>(Index))...};
  }

  // Sends the hooked message to `receiver`.
  static R send(id receiver, Args... args) { return vm::send<R>(receiver, selector(), args...); }
};

// Every flag off, then the given ones on.
inline void setOnlyFlags(std::initializer_list<std::atomic<bool>*> flags) {
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(false);
  for (std::atomic<bool>* flag : flags) flag->store(true);
}

// A replacement checked against its probe: put in place before the tweak installs, then
// checked on a new receiver of the hooked class.
struct HookCase {
  const velmotint::HookRow* row;
  std::function<void()> install;
  std::function<void(id)> check;
};

// The flag turns the call into nothing: the platform is reached with it off, never with it
// on.
template <auto Replacement>
HookCase skips(std::atomic<bool>* flag) {
  using Probe = HookProbe<Replacement>;
  auto send = [](id receiver) {
    std::apply([&](auto... args) { Probe::send(receiver, args...); }, Probe::arguments(0));
  };
  return {&Probe::row(), &Probe::install, [=](id receiver) {
            setOnlyFlags({});
            int before = Probe::calls;
            send(receiver);
            EXPECT_EQ(Probe::calls, before + 1) << "flag off must reach the platform";
            flag->store(true);
            send(receiver);
            EXPECT_EQ(Probe::calls, before + 1) << "flag on must skip the platform";
          }};
}

// The platform answers `off`; with the flag on the replacement answers `on` by itself.
template <auto Replacement, typename T>
HookCase answers(std::atomic<bool>* flag, T off, T on) {
  using Probe = HookProbe<Replacement>;
  return {&Probe::row(),
          [=] {
            Probe::install();
            Probe::answer = off;
          },
          [=](id receiver) {
            setOnlyFlags({});
            EXPECT_EQ(Probe::send(receiver), off);
            int calls = Probe::calls;
            flag->store(true);
            EXPECT_EQ(Probe::send(receiver), on);
            EXPECT_EQ(Probe::calls, calls) << "a fixed answer runs nothing";
          }};
}

}  // namespace vm::test
