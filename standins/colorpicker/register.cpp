// Creates the cell class when the library loads, after the Preferences framework's, as the
// device's library finds PSTableCell in the framework it links.
#include <mutex>

#include "standins/colorpicker/colorpicker.h"

namespace vm::colorpicker {
void registerColourCellClass();
}  // namespace vm::colorpicker

extern "C" void VMRegisterColorPickerClasses(void) {
  static std::once_flag once;
  std::call_once(once, [] {
    VMRegisterPreferencesClasses();
    vm::colorpicker::registerColourCellClass();
  });
}

namespace {
__attribute__((constructor)) void registerAtLoad() {
  VMRegisterColorPickerClasses();
}
}  // namespace
