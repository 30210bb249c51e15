// Creates SpringBoard's classes on the host's request, after the UIKit stand-in's.
#include <mutex>

#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {
const ClassRef NSNull{"NSNull"};
const SelRef null{"null"};
}  // namespace

id requesterKey(id requester) {
  return requester != nil ? requester : send<id>(NSNull.get(), null);
}

void setHiddenForRequester(id requesters, BOOL hidden, id requester) {
  send<void>(requesters, hidden ? sel::addObject_ : sel::removeObject_, requesterKey(requester));
}

id addNewSubview(id parent, Class viewClass, CGRect frame) {
  id view = uikit::newView(viewClass, frame);
  send<void>(parent, sel::addSubview_, view);
  return view;
}

}  // namespace vm::springboard

extern "C" void VMRegisterSpringBoardClasses(void) {
  static std::once_flag once;
  std::call_once(once, [] {
    VMRegisterUIKitClasses();
    using namespace vm::springboard;
    registerIconClasses();
    registerGrabberClasses();
    registerDateViewController();
    registerBatteryChargingClasses();
    registerLockScreenViews();
    registerLockScreenViewController();
    registerStatusBarStateAggregator();
  });
}
