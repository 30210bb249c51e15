// Shared pieces of the SpringBoard stand-in: its registration steps and the selectors
// only these classes send. Ownership helpers come from the UIKit stand-in's.
#pragma once

#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit_internal.h"

namespace vm::springboard {

void registerIconClasses();
void registerGrabberClasses();
void registerDateViewController();
void registerBatteryChargingClasses();
void registerLockScreenViews();
void registerLockScreenViewController();
void registerStatusBarStateAggregator();

using uikit::addNewSubview;
using uikit::anyRequester;
using uikit::isHiddenForRequester;
using uikit::newRequesterSet;
using uikit::ReleaseClassBuilder;
using uikit::setHiddenForRequester;

}  // namespace vm::springboard
