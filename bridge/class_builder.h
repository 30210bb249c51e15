// Builds Objective-C classes at run time from C++ functions: superclass, ivars, instance
// and class methods, then registration. Used by the pane's classes and by every stand-in.
#pragma once

#include <objc/runtime.h>

#include <cstddef>
#include <string>
#include <vector>

#include "objc_send.h"
#include "type_encoding.h"

namespace vm {

// A C function as a method implementation.
template <typename F>
IMP toImp(F* fn) {
  return reinterpret_cast<IMP>(reinterpret_cast<void (*)()>(fn));
}

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

  Class cls_ = nullptr;
  Class existing_ = nullptr;
  bool registered_ = false;
};

// Typed access to an instance variable by name; the offset is looked up once per
// accessor. Works on instances of the declaring class and of its subclasses.
template <typename T>
class IvarRef {
 public:
  constexpr explicit IvarRef(const char* name) : name_(name) {}
  T& of(id object) const {
    if (offset_ < 0) {
      Class c = object_getClass(object);
      Ivar ivar = nullptr;
      for (; c != nullptr && ivar == nullptr; c = class_getSuperclass(c))
        ivar = class_getInstanceVariable(c, name_);
      offset_ = ivar_getOffset(ivar);
    }
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(object) + offset_);
  }

 private:
  const char* name_;
  mutable std::ptrdiff_t offset_ = -1;
};

}  // namespace vm
