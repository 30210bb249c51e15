// Builds Objective-C classes at run time from C++ functions: superclass, ivars, stored
// properties, instance and class methods, then registration. Used by the pane's classes and
// by every stand-in.
#pragma once

#include <objc/runtime.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "objc_send.h"
#include "type_encoding.h"

namespace vm {

// A C function as a method implementation.
template <typename F>
IMP toImp(F* fn) {
  return reinterpret_cast<IMP>(reinterpret_cast<void (*)()>(fn));
}

// The offset of `ivarName` in instances of `cls`, declared there or in a superclass. A name
// no class in the chain declares is a programming error: the GNU runtime would answer 0, the
// class pointer's place, so this prints the class and the name and aborts instead.
std::ptrdiff_t ivarOffsetOrAbort(Class cls, const char* ivarName);

// Typed access to an instance variable by name. The offset is looked up per class, since a
// name can sit at different offsets in unrelated classes, and the last few classes' offsets
// are kept. Works on instances of the declaring class and of its subclasses.
//
// The cache is guarded by a spin flag rather than a mutex: held only for a few string
// compares, and trivially destructible, so a global IvarRef needs no load-time initialiser
// or exit-time destructor in the device binaries.
template <typename T>
class IvarRef {
 public:
  constexpr explicit IvarRef(const char* name) : name_(name) {}
  IvarRef(const IvarRef&) = delete;
  IvarRef& operator=(const IvarRef&) = delete;

  T& of(id object) const {
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(object) +
                                 offsetIn(object_getClass(object)));
  }
  const char* name() const { return name_; }

 private:
  struct Cached {
    Class cls;
    std::ptrdiff_t offset;
  };
  static constexpr size_t kCacheSize = 4;

  std::ptrdiff_t offsetIn(Class cls) const {
    while (busy_.test_and_set(std::memory_order_acquire)) {
    }
    std::ptrdiff_t offset = -1;
    for (const Cached& entry : cache_)
      if (entry.cls == cls && cls != nullptr) offset = entry.offset;
    if (offset < 0) {
      offset = ivarOffsetOrAbort(cls, name_);
      cache_[next_] = Cached{cls, offset};
      next_ = (next_ + 1) % kCacheSize;
    }
    busy_.clear(std::memory_order_release);
    return offset;
  }

  const char* name_;
  mutable std::atomic_flag busy_ = ATOMIC_FLAG_INIT;
  mutable Cached cache_[kCacheSize] = {};
  mutable size_t next_ = 0;
};

// What a setter does with the object it is given, and whether dealloc releases it.
enum class Ownership { Assign, Retain, Copy };

// A stored property: its ivar, the getter and setter selectors the class answers (either may
// be null: a getter-only property, or an owned ivar with no accessor at all), and the
// ownership of an object value. Scalars and structs always assign. As an IvarRef it also
// gives hand-written methods the same ivar.
template <typename T, Ownership Own = Ownership::Assign>
class Property : public IvarRef<T> {
  static_assert(Own == Ownership::Assign || std::is_same_v<T, id>,
                "only an object property can retain or copy");

 public:
  using Type = T;
  static constexpr Ownership ownership = Own;

  constexpr Property(const char* ivarName, const char* getter, const char* setter)
      : IvarRef<T>(ivarName), getter_(getter), setter_(setter) {}
  const char* getter() const { return getter_; }
  const char* setter() const { return setter_; }

 private:
  const char* getter_;
  const char* setter_;
};

template <typename T>
using AssignProperty = Property<T>;
using RetainProperty = Property<id, Ownership::Retain>;
using CopyProperty = Property<id, Ownership::Copy>;

namespace detail {

// Stores `value` in `slot` by the rule: retain (or copy) the new object before releasing the
// old one, so assigning the object a slot already holds is safe.
void storeObject(id& slot, id value, Ownership ownership);

template <const auto& P>
typename std::decay_t<decltype(P)>::Type propertyGetter(id self, SEL) {
  return P.of(self);
}

template <const auto& P>
void propertySetter(id self, SEL, typename std::decay_t<decltype(P)>::Type value) {
  using Prop = std::decay_t<decltype(P)>;
  if constexpr (Prop::ownership == Ownership::Assign)
    P.of(self) = value;
  else
    storeObject(P.of(self), value, Prop::ownership);
}

}  // namespace detail

class ClassBuilder {
 public:
  // Starts a class named `name` under `superclassName`. If a class of that name already
  // exists, the builder does nothing and build() returns the existing class, so building
  // twice (two copies of a stand-in, a test that builds again) is harmless.
  ClassBuilder(const char* name, const char* superclassName);
  ClassBuilder(const ClassBuilder&) = delete;
  ClassBuilder& operator=(const ClassBuilder&) = delete;
  ~ClassBuilder();

  template <typename T>
  ClassBuilder& ivar(const char* ivarName) {
    return addIvar(ivarName, sizeof(T), alignof(T), TypeEncoding<T>::get());
  }

  // The ivar of property P, its getter and setter (each where P names one and the caller
  // wants it), and for a retained or copied object its release when the instance goes.
  // Retained and copied ivars are released in the order they were declared, by a dealloc
  // this builder adds; a class with one must not add its own "dealloc" but give the extra
  // work to onDealloc().
  template <const auto& P>
  ClassBuilder& property(bool withGetter = true, bool withSetter = true) {
    using Prop = std::decay_t<decltype(P)>;
    ivar<typename Prop::Type>(P.name());
    if (withGetter && P.getter() != nullptr) method(P.getter(), detail::propertyGetter<P>);
    if (withSetter && P.setter() != nullptr) method(P.setter(), detail::propertySetter<P>);
    if constexpr (Prop::ownership != Ownership::Assign) owned_.push_back(&P);
    return *this;
  }

  // Work the generated dealloc does first, before it releases the owned ivars and calls the
  // superclass's dealloc.
  ClassBuilder& onDealloc(void (*fn)(id self));

  template <typename R, typename... Args>
  ClassBuilder& method(const char* selector, R (*fn)(id, SEL, Args...)) {
    return addMethod(false, selector, toImp(fn), methodTypeEncoding(fn));
  }

  template <typename R, typename... Args>
  ClassBuilder& classMethod(const char* selector, R (*fn)(id, SEL, Args...)) {
    return addMethod(true, selector, toImp(fn), methodTypeEncoding(fn));
  }

  // Registers the class (once) and returns it; nil if the superclass does not exist.
  Class build();

 private:
  ClassBuilder& addIvar(const char* name, size_t size, size_t align, const std::string& types);
  ClassBuilder& addMethod(bool onMetaclass, const char* selector, IMP imp,
                          const std::string& types);
  void addGeneratedDealloc();

  Class cls_ = nullptr;
  Class existing_ = nullptr;
  bool registered_ = false;
  bool handWrittenDealloc_ = false;
  std::vector<const IvarRef<id>*> owned_;
  void (*onDealloc_)(id) = nullptr;
};

}  // namespace vm
