// PSSpecifier: one row of a page, made from its entry in a specifier list. The target is
// the controller that loaded it and is not retained: the controller owns its rows.
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

const RetainProperty kProperties{"_properties", "properties", nullptr};
const AssignProperty<id> kTarget{"_target", "target", "setTarget:"};

id propertyForKey(id self, SEL, id key) {
  return send<id>(kProperties.of(self), sel::objectForKey_, key);
}

void setPropertyForKey(id self, SEL, id value, id key) {
  if (key == nil) return;
  if (value == nil) {
    send<void>(kProperties.of(self), sel::removeObjectForKey_, key);
  } else {
    send<void>(kProperties.of(self), sel::setObject_forKey_, value, key);
  }
}

id name(id self, SEL) {
  return propertyForKey(self, nullptr, nsString(key::kLabel));
}

id identifier(id self, SEL) {
  id rowKey = propertyForKey(self, nullptr, nsString(key::kKey));
  return rowKey != nil ? rowKey : name(self, nullptr);
}

id init(id self, SEL) {
  self = sendSuper<id>(self, cls::PSSpecifier, sel::init);
  if (self != nil) kProperties.of(self) = send<id>(vm::cls::NSMutableDictionary.get(), sel::new_);
  return self;
}

}  // namespace

id newSpecifier(id entry, id target) {
  id row = send<id>(send<id>(cls::PSSpecifier.get(), sel::alloc), sel::init);
  if (row == nil) return nil;
  if (isKindOf(entry, vm::cls::NSDictionary)) {
    release(kProperties.of(row));
    kProperties.of(row) = send<id>(entry, sel::mutableCopy);
  }
  kTarget.of(row) = target;
  return row;
}

void registerSpecifierClass() {
  ClassBuilder(cls::PSSpecifier.name(), cls::NSObject.name())
      .property<kProperties>()
      .property<kTarget>()
      .method("init", init)
      .method("propertyForKey:", propertyForKey)
      .method("setProperty:forKey:", setPropertyForKey)
      .method("name", name)
      .method("identifier", identifier)
      .build();
}

}  // namespace vm::preferences
