// A hook's saved slot: the implementation a class had before its method was replaced. The
// slot is keyed on the replacement and typed by it, so a replacement falls back only through
// its own slot and can only pass that method's arguments.
#pragma once

#include <objc/runtime.h>

#include "bridge/objc_send.h"

namespace velmotint {

// Written once, by the hooking call at install; null until then. Hidden: only this library
// reaches it, so a replacement loads it directly instead of through the symbol table.
template <auto Replacement>
[[gnu::visibility("hidden")]] inline IMP savedImplementation = nullptr;

// MethodOf<R (*)(id, SEL, Args...)>: what a replacement's type says about its method.
template <typename Function>
struct MethodOf {
  static constexpr bool kIsMethod = false;
};

template <typename R, typename... Args>
struct MethodOf<R (*)(id, SEL, Args...)> {
  static constexpr bool kIsMethod = true;
  using Signature = R(Args...);

  static R call(IMP imp, id self, SEL cmd, Args... args) {
    return vm::callImp<R>(imp, self, cmd, args...);
  }
};

// original<&replaced::X>(self, cmd, args...): runs the implementation X replaced, on the
// receiver with the selector X was called with.
template <auto Replacement, typename... Args>
decltype(auto) original(id self, SEL cmd, Args... args) {
  return MethodOf<decltype(Replacement)>::call(savedImplementation<Replacement>, self, cmd,
                                               args...);
}

// Runs a replacement's flag-on work out of line, on a cold path:
//   if (!on(FLAG)) return original<&X>(self, cmd, args...);
//   return flagOn([=] { ... });
// With the work kept out of the replacement, its flag-off path needs no stack frame of its
// own and reaches the saved implementation by a jump.
template <typename Work>
[[gnu::noinline, gnu::cold]] decltype(auto) flagOn(Work work) {
  return work();
}

}  // namespace velmotint
