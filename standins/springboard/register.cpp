// Creates SpringBoard's classes on the host's request, after the UIKit stand-in's.
#include <mutex>

#include "standins/springboard/springboard_internal.h"

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
