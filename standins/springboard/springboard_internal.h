// Shared pieces of the SpringBoard stand-in: its registration steps and the selectors
// only these classes send. Ownership helpers come from the UIKit stand-in's.
#pragma once

#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit_internal.h"

namespace vm::sbsel {
inline const SelRef defaultGrabberColor{"_defaultGrabberColor"};
inline const SelRef updateView{"_updateView"};
inline const SelRef updateAirplaneMode{"_updateAirplaneMode"};
inline const SelRef disablesUpdates{"disablesUpdates"};
inline const SelRef batteryVisible{"batteryVisible"};
inline const SelRef setBatteryVisible_{"setBatteryVisible:"};
inline const SelRef imageNamed_{"imageNamed:"};
}  // namespace vm::sbsel

namespace vm::springboard {

void registerIconClasses();
void registerGrabberClasses();
void registerDateViewController();
void registerBatteryChargingClasses();
void registerLockScreenViews();
void registerLockScreenViewController();
void registerStatusBarStateAggregator();

// A set for "hidden for these requesters" bookkeeping. Sets hold no nil, so a nil
// requester is kept as NSNull.
id requesterKey(id requester);
void setHiddenForRequester(id requesters, BOOL hidden, id requester);
inline BOOL anyRequester(id requesters) {
  return send<NSUInteger>(requesters, sel::count) > 0 ? YES : NO;
}

// A new subview of `parent` (also owned by the caller, +1).
id addNewSubview(id parent, Class viewClass, CGRect frame);

}  // namespace vm::springboard
