// Shared pieces of the UIKit stand-in's class definitions: the registration steps, the
// selectors only the stand-in sends, and the ownership helpers every setter uses.
#pragma once

#include <objc/runtime.h>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "bridge/objc_send.h"
#include "bridge/selectors.h"
#include "standins/releases/release_class_builder.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {

// Every class is built through this, so a release lacking a class or method never has it.
using releases::ReleaseClassBuilder;

// Registration steps, in the order VMRegisterUIKitClasses runs them (superclasses first).
void registerColorClasses();
void registerLayerClass();
void registerViewClass();
void registerTextClasses();
void registerScreenAndApplication();
void registerImageClass();
void registerActivityIndicator();
void registerGlintyStringView();
void registerLegibilityClasses();
void registerStatusBarClasses();
void registerRefreshControlContentView();

// "Hidden for these requesters" bookkeeping in a mutable set: something stays hidden
// while any requester asks. Sets hold no nil, so a nil requester is kept as NSNull.
id newRequesterSet();  // owned by the caller (+1)
void setHiddenForRequester(id requesters, BOOL hidden, id requester);
BOOL isHiddenForRequester(id requesters, id requester);
BOOL anyRequester(id requesters);

// A new Core Graphics colour with one owner, the caller.
CGColorRef createCGColor(const Rgba& rgba);

// Stores `value` in `slot`, retaining the new object before releasing the old one, so
// assigning an object to the slot that already holds it is safe.
inline void assignRetained(id& slot, id value) {
  id old = slot;
  slot = retain(value);
  release(old);
}

// Stores a copy, as UIKit does for its string properties.
inline void assignCopied(id& slot, id value) {
  id old = slot;
  slot = send<id>(value, sel::copy);
  release(old);
}

inline void releaseAndClear(id& slot) {
  id old = slot;
  slot = nil;
  release(old);
}

// alloc + init of `c`, owned by the caller (+1).
inline id newInstance(Class c) {
  return send<id>(send<id>(c, sel::alloc), sel::init);
}
inline id newView(Class c, CGRect frame) {
  return send<id>(send<id>(c, sel::alloc), sel::initWithFrame_, frame);
}

// A new subview of `parent`, also owned by the caller (+1), who keeps it in an ivar.
inline id addNewSubview(id parent, Class viewClass, CGRect frame) {
  id view = newView(viewClass, frame);
  send<void>(parent, sel::addSubview_, view);
  return view;
}

inline id autoreleased(id object) {
  return send<id>(object, sel::autorelease);
}

// Autoreleased colours for the stand-in's own defaults.
inline id rgbaColor(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, r, g, b, a);
}

}  // namespace vm::uikit
