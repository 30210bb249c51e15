// The class builder as the stand-ins use it: a class or method that the release this
// process plays lacks is left out, so the tweak finds the device it would find.
#pragma once

#include <optional>

#include "bridge/class_builder.h"
#include "standins/releases/ios_release.h"

namespace vm::releases {

class ReleaseClassBuilder {
 public:
  ReleaseClassBuilder(const char* name, const char* superclassName) : name_(name) {
    if (hasClass(currentRelease(), name)) builder_.emplace(name, superclassName);
  }

  template <typename T>
  ReleaseClassBuilder& ivar(const char* ivarName) {
    if (builder_) builder_->ivar<T>(ivarName);
    return *this;
  }

  // The property's ivar always; each accessor only where the release has it.
  template <const auto& P>
  ReleaseClassBuilder& property() {
    if (builder_)
      builder_->property<P>(hasInstanceMethod(P.getter()), hasInstanceMethod(P.setter()));
    return *this;
  }

  ReleaseClassBuilder& onDealloc(void (*fn)(id self)) {
    if (builder_) builder_->onDealloc(fn);
    return *this;
  }

  template <typename R, typename... Args>
  ReleaseClassBuilder& method(const char* selector, R (*fn)(id, SEL, Args...)) {
    if (builder_ && hasMethod(currentRelease(), name_, false, selector))
      builder_->method(selector, fn);
    return *this;
  }

  template <typename R, typename... Args>
  ReleaseClassBuilder& classMethod(const char* selector, R (*fn)(id, SEL, Args...)) {
    if (builder_ && hasMethod(currentRelease(), name_, true, selector))
      builder_->classMethod(selector, fn);
    return *this;
  }

  // The class, or nil when the release has none of that name.
  Class build() { return builder_ ? builder_->build() : nullptr; }

 private:
  bool hasInstanceMethod(const char* selector) const {
    return selector != nullptr && hasMethod(currentRelease(), name_, false, selector);
  }

  const char* name_;
  std::optional<ClassBuilder> builder_;
};

}  // namespace vm::releases
