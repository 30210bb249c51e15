// Runtime look-ups that tests share: selectors by name, and the methods a class defines
// itself rather than inherits.
#pragma once

#include <objc/runtime.h>

#include <cstdlib>

namespace vm::test {

inline SEL sel(const char* name) {
  return sel_registerName(name);
}

// The method `cls` itself defines for `selector`, or null if it only inherits one.
inline Method ownMethod(Class cls, SEL selector) {
  unsigned int count = 0;
  Method* methods = class_copyMethodList(cls, &count);
  Method found = nullptr;
  for (unsigned int i = 0; i < count && found == nullptr; ++i)
    if (sel_isEqual(method_getName(methods[i]), selector)) found = methods[i];
  std::free(methods);
  return found;
}

}  // namespace vm::test
