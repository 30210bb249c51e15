// Creates the stand-in's classes when the library loads, as a framework's classes exist
// before any bundle that links it is loaded.
#include <mutex>

#include "standins/preferences/preferences_internal.h"
#include "standins/uikit/uikit.h"

extern "C" void VMRegisterPreferencesClasses(void) {
  static std::once_flag once;
  std::call_once(once, [] {
    // PSTableCell is a view: UIKit's classes first.
    VMRegisterUIKitClasses();
    using namespace vm::preferences;
    registerSpecifierClass();
    registerListControllerClass();
    registerTableCellClass();
  });
}

namespace {
__attribute__((constructor)) void registerAtLoad() {
  VMRegisterPreferencesClasses();
}
}  // namespace
