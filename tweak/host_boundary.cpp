#include "tweak/host_boundary.h"

#include "bridge/foundation.h"

// The substrate's hooking call. The substrate ships no header with the SDK, and the
// simulated SpringBoard's stand-in exports the same C name and signature.
extern "C" void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* saved);

namespace velmotint::host {

Class classNamed(const char* name) {
  return objc_getClass(name);
}

Class metaclassOf(Class cls) {
  return cls == nullptr ? nullptr : object_getClass(vm::asId(cls));
}

bool answers(Class cls, SEL selector) {
  return cls != nullptr && class_getInstanceMethod(cls, selector) != nullptr;
}

void replaceMethod(Class cls, SEL selector, IMP replacement, IMP* saved) {
  MSHookMessageEx(cls, selector, replacement, saved);
}

void noteSkippedRow(const std::string& line) {
#if defined(__APPLE__)
  vm::logf("%s", line.c_str());
#else
  (void)line;
#endif
}

}  // namespace velmotint::host
