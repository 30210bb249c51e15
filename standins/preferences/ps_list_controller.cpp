// PSListController: a page of rows. It owns its rows (_specifiers) and remembers the value
// each row showed when the page last read it, as a table keeps its cells: clearCache
// forgets them, reload reads them all again, and an appearance reads only the ones not
// shown yet. So a page that is never cleared keeps showing what it read first.
#include "standins/preferences/domain_file.h"
#include "standins/preferences/domain_name_rule.h"
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

const RetainProperty kSpecifiers{"_specifiers", "specifiers", nullptr};
const RetainProperty kShownValues{"_shownValues", nullptr, nullptr};
const CopyProperty kTitle{"_title", "title", "setTitle:"};
const RetainProperty kLoadedListName{"_loadedListName", "loadedListName", nullptr};

id rowKey(id specifier) {
  return send<id>(specifier, sel::propertyForKey_, nsString(key::kKey));
}

// The row's getter runs on its target, as the device asks the target for a row's value.
id readThroughTarget(id controller, id specifier) {
  id target = send<id>(specifier, sel::target);
  return send<id>(target != nil ? target : controller, sel::readPreferenceValue_, specifier);
}

void readShownValues(id self, bool onlyMissing) {
  id rows = send<id>(self, sel::specifiers);
  id cache = kShownValues.of(self);
  NSUInteger count = send<NSUInteger>(rows, sel::count);
  for (NSUInteger i = 0; i < count; ++i) {
    id row = send<id>(rows, sel::objectAtIndex_, i);
    if (!storesValue(row)) continue;
    if (onlyMissing && send<id>(cache, sel::objectForKey_, rowKey(row)) != nil) continue;
    id value = readThroughTarget(self, row);
    if (value != nil) send<void>(cache, sel::setObject_forKey_, value, rowKey(row));
  }
}

id init(id self, SEL) {
  self = sendSuper<id>(self, cls::PSListController, sel::init);
  if (self != nil) kShownValues.of(self) = send<id>(vm::cls::NSMutableDictionary.get(), sel::new_);
  return self;
}

id loadSpecifiers(id self, SEL, id name, id target) {
  id old = kLoadedListName.of(self);
  kLoadedListName.of(self) = send<id>(name, sel::retain);
  release(old);
  id rows = newSpecifiersFromList(self, stdString(name), target);
  return send<id>(rows, sel::autorelease);
}

void clearCache(id self, SEL) {
  send<void>(kShownValues.of(self), sel::removeAllObjects);
}

void reload(id self, SEL) {
  readShownValues(self, false);
}

void viewWillAppear(id self, SEL, BOOL) {
  readShownValues(self, true);
}

id readPreferenceValue(id, SEL, id specifier) {
  return readStoredValue(specifier);
}

void setPreferenceValue(id self, SEL, id value, id specifier) {
  WriteOutcome outcome = writeValue(specifier, value);
  recordWriteOutcome(outcome);
  // A refused value leaves the row showing what it showed; lastWriteOutcome says why.
  if (outcome.stored())
    send<void>(kShownValues.of(self), sel::setObject_forKey_, value, rowKey(specifier));
}

}  // namespace

id readStoredValue(id specifier) {
  id value = storesValue(specifier)
                 ? storedInDomain(stringProperty(specifier, key::kDefaults), rowKey(specifier))
                 : nil;
  if (value != nil) return value;
  // The row's own default, handed to the caller's pool as a stored value is.
  value = retain(send<id>(specifier, sel::propertyForKey_, nsString(key::kDefault)));
  return send<id>(value, sel::autorelease);
}

std::string loadedListName(id controller) {
  return stdString(send<id>(controller, sel::loadedListName));
}

id shownValue(id controller, id specifier) {
  if (!storesValue(specifier)) return nil;
  id cache = kShownValues.of(controller);
  id value = send<id>(cache, sel::objectForKey_, rowKey(specifier));
  if (value != nil) return value;
  value = readThroughTarget(controller, specifier);
  if (value != nil) send<void>(cache, sel::setObject_forKey_, value, rowKey(specifier));
  return value;
}

void registerListControllerClass() {
  ClassBuilder(cls::PSListController.name(), cls::NSObject.name())
      .property<kSpecifiers>()
      .property<kShownValues>()
      .property<kTitle>()
      .property<kLoadedListName>()
      .method("init", init)
      .method("loadSpecifiersFromPlistName:target:", loadSpecifiers)
      .method("clearCache", clearCache)
      .method("reload", reload)
      .method("viewWillAppear:", viewWillAppear)
      .method("readPreferenceValue:", readPreferenceValue)
      .method("setPreferenceValue:specifier:", setPreferenceValue)
      .build();
}

}  // namespace vm::preferences
