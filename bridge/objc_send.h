// The one place that turns a message into a call. Everything else in the tree sends
// through send<R>() and sendSuper<R>() and never casts an IMP by hand.
#pragma once

#include <objc/message.h>
#include <objc/runtime.h>

#include <atomic>
#include <type_traits>

#include "platform_types.h"

namespace vm {

// A selector looked up on first use and kept. Declared once per name under the rule
// "setFoo:bar:" -> setFoo_bar_ (see selectors.h).
class SelRef {
 public:
  constexpr explicit SelRef(const char* name) : name_(name) {}
  SEL get() const {
    SEL s = cached_.load(std::memory_order_acquire);
    if (s == nullptr) {
      s = sel_registerName(name_);
      cached_.store(s, std::memory_order_release);
    }
    return s;
  }
  operator SEL() const { return get(); }  // NOLINT: a SelRef stands for its SEL
  const char* name() const { return name_; }

 private:
  const char* name_;
  mutable std::atomic<SEL> cached_{nullptr};
};

// A class looked up by name; cached only once found, because stand-in classes may be
// created after the first lookup is attempted.
class ClassRef {
 public:
  constexpr explicit ClassRef(const char* name) : name_(name) {}
  Class get() const {
    Class c = cached_.load(std::memory_order_acquire);
    if (c == nullptr) {
      c = objc_getClass(name_);
      if (c != nullptr) cached_.store(c, std::memory_order_release);
    }
    return c;
  }
  operator Class() const { return get(); }  // NOLINT: a ClassRef stands for its Class
  const char* name() const { return name_; }

 private:
  const char* name_;
  mutable std::atomic<Class> cached_{nullptr};
};

inline id asId(Class c) { return reinterpret_cast<id>(c); }

namespace detail {

template <typename R>
R zeroResult() {
  if constexpr (std::is_void_v<R>) {
    return;
  } else {
    return R{};
  }
}

#if defined(__APPLE__)
// Apple's ABI returns large structs through a hidden pointer on 32-bit ARM and x86; arm64
// has no _stret entry point at all.
template <typename R>
constexpr bool kNeedsStret =
#if defined(__arm64__) || defined(__aarch64__)
    false;
#else
    std::is_class_v<R> && (sizeof(R) > 2 * sizeof(void*));
#endif
#endif

}  // namespace detail

// Calls a method implementation directly, with the method's own C signature.
template <typename R, typename... Args>
R callImp(IMP imp, id receiver, SEL selector, Args... args) {
  using Fn = R (*)(id, SEL, Args...);
  // Through void(*)() : the one sanctioned way to change a function pointer's type.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(imp))(receiver, selector, args...);
}

// send<R>(receiver, selector, args...): a message with result type R. A message to nil
// does nothing and yields a zero R, as on the platform (also for struct results, which
// GCC's nil handler would leave unwritten).
template <typename R = void, typename... Args>
R send(id receiver, SEL selector, Args... args) {
  if (receiver == nil) return detail::zeroResult<R>();
#if defined(__APPLE__)
  if constexpr (detail::kNeedsStret<R>) {
    return callImp<R>(reinterpret_cast<IMP>(objc_msgSend_stret), receiver, selector, args...);
  } else {
    return callImp<R>(reinterpret_cast<IMP>(objc_msgSend), receiver, selector, args...);
  }
#else
  return callImp<R>(objc_msg_lookup(receiver, selector), receiver, selector, args...);
#endif
}

template <typename R = void, typename... Args>
R send(Class receiver, SEL selector, Args... args) {
  return send<R>(asId(receiver), selector, args...);
}

// sendSuper<R>(self, cls, selector, args...): the implementation that cls's superclass
// provides, run on self. `cls` is the class whose method is making the call.
template <typename R = void, typename... Args>
R sendSuper(id self, Class cls, SEL selector, Args... args) {
  if (self == nil) return detail::zeroResult<R>();
  objc_super super{self, class_getSuperclass(cls)};
#if defined(__APPLE__)
  if constexpr (detail::kNeedsStret<R>) {
    using Fn = R (*)(objc_super*, SEL, Args...);
    return reinterpret_cast<Fn>(objc_msgSendSuper_stret)(&super, selector, args...);
  } else {
    using Fn = R (*)(objc_super*, SEL, Args...);
    return reinterpret_cast<Fn>(objc_msgSendSuper)(&super, selector, args...);
  }
#else
  return callImp<R>(objc_msg_lookup_super(&super, selector), self, selector, args...);
#endif
}

}  // namespace vm
