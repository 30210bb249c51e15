// The tweak's entry: the loader runs this once, when the substrate loads the library into
// SpringBoard. Settings first, so that the first call of any replacement already sees the
// file's flags.
#include "bridge/export.h"
#include "tweak/installer.h"
#include "tweak/settings.h"

namespace {

__attribute__((constructor)) void velmotintDidLoad() {
  initSettings();
  installHooks();
}

}  // namespace

// Both deliverables export a main that does nothing; the loaded library never runs it.
VM_EXPORT int main() {
  return 0;
}
