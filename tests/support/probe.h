// A recording stand-in for a platform method: put in place of a class's own
// implementation before hooks are installed, so that a test sees exactly what a
// replacement hands to its saved implementation, and what comes back.
#pragma once

#include <objc/runtime.h>

#include <string>
#include <tuple>

#include "bridge/class_builder.h"

namespace vm::test {

// Probe<Tag, R(Args...)>: Tag keeps probes of the same signature apart.
template <int Tag, typename Signature>
struct Probe;

template <int Tag, typename R, typename... Args>
struct Probe<Tag, R(Args...)> {
  static inline int calls = 0;
  static inline id lastSelf = nil;
  static inline SEL lastCmd = nullptr;
  static inline std::tuple<Args...> lastArgs{};
  static inline R* result = nullptr;  // what the probe answers (zero if unset)

  static R implementation(id self, SEL cmd, Args... args) {
    ++calls;
    lastSelf = self;
    lastCmd = cmd;
    lastArgs = std::tuple<Args...>(args...);
    if constexpr (!std::is_void_v<R>) {
      return result != nullptr ? *result : R{};
    }
  }

  // Makes this probe `cls`'s own implementation of `selector`; false if it has none.
  static bool install(Class cls, const char* selector) {
    Method method = class_getInstanceMethod(cls, sel_registerName(selector));
    if (method == nullptr) return false;
    method_setImplementation(method, vm::toImp(&implementation));
    return true;
  }

  static void reset() {
    calls = 0;
    lastSelf = nil;
    lastCmd = nullptr;
    lastArgs = std::tuple<Args...>{};
  }
};

}  // namespace vm::test
