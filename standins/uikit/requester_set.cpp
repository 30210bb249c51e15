// Requester sets: UIKit and SpringBoard hide a piece (a blur, a grabber) for as long as
// any of the parties that asked for it still want it hidden.
#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

id keyFor(id requester) {
  return requester != nil ? requester : send<id>(cls::NSNull.get(), sel::null);
}

}  // namespace

id newRequesterSet() {
  return newInstance(cls::NSMutableSet);
}

void setHiddenForRequester(id requesters, BOOL hidden, id requester) {
  send<void>(requesters, hidden ? sel::addObject_ : sel::removeObject_, keyFor(requester));
}

BOOL isHiddenForRequester(id requesters, id requester) {
  return send<BOOL>(requesters, sel::containsObject_, keyFor(requester));
}

BOOL anyRequester(id requesters) {
  return send<NSUInteger>(requesters, sel::count) > 0 ? YES : NO;
}

}  // namespace vm::uikit
