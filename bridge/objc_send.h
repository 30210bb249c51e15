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

inline id asId(Class c) {
  return reinterpret_cast<id>(c);
}

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
// The runtime entry point that sends a message with result type R. objc_msgSend_stret
// takes the caller's result buffer as a hidden first argument, so it is the right one
// exactly where the C calling convention itself returns R through memory:
// - arm64: never. Structs come back in registers, or through x8, which objc_msgSend leaves
//   alone; the runtime has no _stret entry points there.
// - armv7 (iOS keeps the older APCS rule here): a struct or union larger than 4 bytes is
//   returned in memory. One of 4 bytes or fewer comes back in r0 only when it is
//   "integer-like" (one addressable integer member), which a template cannot see, so such
//   results are refused at compile time rather than guessed. Scalars, pointers, 64-bit
//   integers and doubles come back in r0/r1.
#if !defined(__arm__) && !defined(__arm64__) && !defined(__aarch64__)
#error "the device build targets arm64 and armv7 only"
#endif
using Messenger = void (*)();

#if defined(__arm__)
template <typename R>
constexpr bool returnedInMemory() {
  if constexpr (std::is_class_v<R> || std::is_union_v<R>) {
    static_assert(sizeof(R) > 4,
                  "armv7 returns a struct of 4 bytes or fewer in r0 or in "
                  "memory depending on its members: return it another way");
    return true;
  } else {
    return false;
  }
}
#endif

template <typename R>
Messenger messenger() {
#if defined(__arm__)
  if constexpr (returnedInMemory<R>()) return reinterpret_cast<Messenger>(objc_msgSend_stret);
#endif
  return reinterpret_cast<Messenger>(objc_msgSend);
}

// The same choice for a message to the superclass.
template <typename R>
Messenger superMessenger() {
#if defined(__arm__)
  if constexpr (returnedInMemory<R>()) {
    return reinterpret_cast<Messenger>(objc_msgSendSuper_stret);
  }
#endif
  return reinterpret_cast<Messenger>(objc_msgSendSuper);
}
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
  return callImp<R>(reinterpret_cast<IMP>(detail::messenger<R>()), receiver, selector, args...);
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
  using Fn = R (*)(objc_super*, SEL, Args...);
  return reinterpret_cast<Fn>(detail::superMessenger<R>())(&super, selector, args...);
#else
  return callImp<R>(objc_msg_lookup_super(&super, selector), self, selector, args...);
#endif
}

}  // namespace vm
