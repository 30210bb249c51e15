// A recording stand-in for the platform method a hook replaces, named by the hook's
// replacement: the row, class, selector and signature all come from the hook itself. Put
// in place of the class's own implementation before hooks are installed, it shows exactly
// what the replacement hands to its saved implementation, and answers what a test sets.
#pragma once

#include <gtest/gtest.h>
#include <objc/runtime.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

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
    return (pass + index) % 2 == 0 ? YES : NO;  // NO in pass 1, every other flag on
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

using Flags = std::vector<std::atomic<bool>*>;

// Every flag on but the given ones.
inline void setAllFlagsBut(const Flags& flags) {
  for (const auto& entry : velmotint::kFeatureFlags) entry.flag->store(true);
  for (std::atomic<bool>* flag : flags) flag->store(false);
}

// Sends the hooked message with the pass's arguments and expects the probe to have run once
// with the same receiver, selector and arguments, and its answer to come back unchanged.
// An initialiser is sent to a fresh allocation, a class method to the class.
template <typename P>
void expectForwarded(int pass) {
  const velmotint::HookRow& row = P::row();
  Class cls = objc_getClass(row.className);
  bool classMethod = row.kind == velmotint::MethodKind::Class;
  id receiver = classMethod ? vm::asId(cls) : vm::send<id>(cls, vm::sel::alloc);
  if (!classMethod && std::strncmp(row.selector, "init", 4) != 0)
    receiver = vm::send<id>(receiver, vm::sel::init);
  const typename P::Arguments args = P::arguments(pass);
  P::calls = 0;
  P::answer = sample<typename P::Answer>(pass, 5);
  auto call = [&](auto... a) { return P::send(receiver, a...); };
  if constexpr (std::is_void_v<decltype(std::apply(call, args))>) {
    std::apply(call, args);
  } else {
    EXPECT_EQ(std::apply(call, args), P::answer);
  }
  EXPECT_EQ(P::calls, 1);
  EXPECT_EQ(P::lastSelf, receiver);
  EXPECT_EQ(P::lastCmd, P::selector());
  EXPECT_TRUE(P::lastArgs == args);
  if (!classMethod) vm::release(receiver);
}

// A replacement with its probe, put in place before the tweak installs. `forwarded` checks a
// pass of the forwarding test, with the replacement's flags off (null: it never calls its
// saved implementation); `check`, if set, what it does under its flag alone, on a new
// receiver of its class.
struct HookCase {
  const velmotint::HookRow* row;
  Flags flags;  // the flags the replacement reads
  void (*install)();
  void (*forwarded)(int pass);
  std::function<void(id)> check;
};

template <auto Replacement>
HookCase forwards(Flags flags) {
  using Probe = HookProbe<Replacement>;
  return {&Probe::row(), std::move(flags), &Probe::install, &expectForwarded<Probe>, nullptr};
}

// The platform's implementation is never reached, whatever the flags, yet its slot is filled.
template <auto Replacement>
HookCase neverForwards() {
  using Probe = HookProbe<Replacement>;
  return {&Probe::row(), {}, &Probe::install, nullptr, [](id receiver) {
            setOnlyFlags({});
            Probe::send(receiver);
            setAllFlagsBut({});
            Probe::send(receiver);
            EXPECT_EQ(Probe::calls, 0);
            EXPECT_NE(*Probe::row().saved, nullptr) << "its saved slot is filled all the same";
          }};
}

// Off, the call reaches the platform (the forwarding test); `check` says what the call does
// on a receiver with only `flag` on.
template <auto Replacement, typename Check>
HookCase underFlag(std::atomic<bool>* flag, Check check) {
  HookCase hook = forwards<Replacement>({flag});
  hook.check = [flag, check](id receiver) {
    setOnlyFlags({flag});
    check(receiver);
  };
  return hook;
}

// The flag on turns the call into nothing.
template <auto Replacement>
HookCase skips(std::atomic<bool>* flag) {
  using Probe = HookProbe<Replacement>;
  return underFlag<Replacement>(flag, [](id receiver) {
    Probe::calls = 0;
    std::apply([&](auto... args) { Probe::send(receiver, args...); }, Probe::arguments(0));
    EXPECT_EQ(Probe::calls, 0) << "flag on must skip the platform";
  });
}

// The flag on makes the replacement answer `on` by itself, whatever the platform would have
// answered.
template <auto Replacement, typename T>
HookCase answers(std::atomic<bool>* flag, T on) {
  using Probe = HookProbe<Replacement>;
  return underFlag<Replacement>(flag, [on](id receiver) {
    if constexpr (std::is_same_v<T, BOOL>)
      Probe::answer = on ? NO : YES;
    else
      Probe::answer = sample<T>(0, 5);  // never 0, 1 or nil
    Probe::calls = 0;
    EXPECT_EQ(Probe::send(receiver), on);
    EXPECT_EQ(Probe::calls, 0) << "a fixed answer runs nothing";
  });
}

// A (BOOL hidden, id requester) setter: forwarded all the same, to the same receiver with
// the same requester, the BOOL forced to `forced`.
template <auto Replacement>
HookCase forcesFirst(std::atomic<bool>* flag, BOOL forced) {
  using Probe = HookProbe<Replacement>;
  return underFlag<Replacement>(flag, [forced](id receiver) {
    for (id requester : {sample<id>(0, 1), id{nil}}) {
      Probe::calls = 0;
      Probe::send(receiver, forced ? NO : YES, requester);
      EXPECT_EQ(Probe::calls, 1);
      EXPECT_EQ(Probe::lastSelf, receiver);
      EXPECT_EQ(Probe::lastCmd, Probe::selector());
      EXPECT_EQ(std::get<0>(Probe::lastArgs), forced);
      EXPECT_EQ(std::get<1>(Probe::lastArgs), requester);
    }
  });
}

}  // namespace vm::test
