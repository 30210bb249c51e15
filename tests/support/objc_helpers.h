// Runtime look-ups that tests share: selectors by name, and the methods a class defines
// itself rather than inherits.
#pragma once

#include <objc/runtime.h>

namespace vm::test {

inline SEL sel(const char* name) {
  return sel_registerName(name);
}

// The method `cls` itself defines for `selector`, or null if it only inherits one: the
// runtime's look-up answers the defining class's entry, so an inherited method is the
// superclass's own.
inline Method ownMethod(Class cls, SEL selector) {
  Method method = class_getInstanceMethod(cls, selector);
  return method != class_getInstanceMethod(class_getSuperclass(cls), selector) ? method : nullptr;
}

}  // namespace vm::test
