#include "tweak/host_boundary.h"

#include "bridge/foundation.h"

#if defined(__APPLE__)
#include <substrate.h>
#else
#include "standins/substrate/substrate.h"
#endif

namespace velmotint::host {

Class classNamed(const char* name) { return objc_getClass(name); }

Class metaclassOf(Class cls) { return cls == nullptr ? nullptr : object_getClass(vm::asId(cls)); }

bool answers(Class cls, SEL selector) {
  return cls != nullptr && class_getInstanceMethod(cls, selector) != nullptr;
}

void replaceMethod(Class cls, SEL selector, IMP replacement, IMP* saved) {
  MSHookMessageEx(cls, selector, replacement, saved);
}

}  // namespace velmotint::host
