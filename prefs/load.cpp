// The bundle's entry: its classes exist as soon as the Settings application has loaded it,
// before it asks for the principal class.
#include "bridge/export.h"
#include "prefs/pane.h"

namespace {

__attribute__((constructor)) void velmotintPrefsDidLoad() {
  velmotint::prefs::registerListControllers();
  velmotint::prefs::registerHeaderCell();
}

}  // namespace

// Both deliverables export a main that does nothing; the loaded bundle never runs it.
VM_EXPORT int main() {
  return 0;
}
