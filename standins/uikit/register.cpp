// Creates the stand-in's classes when the library loads, as a framework's classes exist
// before any code that links it runs.
#include <mutex>

#include "standins/uikit/uikit_internal.h"

extern "C" void VMRegisterUIKitClasses(void) {
  static std::once_flag once;
  std::call_once(once, [] {
    // The builder skips classes that already exist, so a second copy of the library in
    // the process does no harm either.
    using namespace vm::uikit;
    registerColorClasses();
    registerLayerClass();
    registerViewClass();
    registerTextClasses();
    registerScreenAndApplication();
    registerImageClass();
    registerActivityIndicator();
    registerGlintyStringView();
    registerLegibilityClasses();
    registerStatusBarClasses();
    registerRefreshControlContentView();
  });
}

namespace {
__attribute__((constructor)) void registerAtLoad() {
  VMRegisterUIKitClasses();
}
}  // namespace
