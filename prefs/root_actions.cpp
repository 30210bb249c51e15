// The root page's buttons. Neither looks at its sender or at what its call answers: a
// failed restart or an unopened address leaves nothing for the pane to do.
#include "bridge/foundation.h"
#include "bridge/selectors.h"
#include "prefs/pane.h"
#include "prefs/run_program.h"

namespace velmotint::prefs {
namespace {

constexpr const char* kProfileAddress = "https://twitter.com/tanvork";

}  // namespace

// The system starts SpringBoard again, and the tweak loads anew with the settings file.
void respring(id, SEL, id) {
  vm::runAndWait("killall", {"SpringBoard"});
}

void tanvorkTwitter(id, SEL, id) {
  id address =
      vm::send<id>(vm::cls::NSURL.get(), vm::sel::URLWithString_, vm::nsString(kProfileAddress));
  id application = vm::send<id>(vm::cls::UIApplication.get(), vm::sel::sharedApplication);
  vm::send<BOOL>(application, vm::sel::openURL_, address);
}

}  // namespace velmotint::prefs
