// The velmotintPrefs pane: three list controllers and the header cell, made at load time
// on the Preferences framework's classes.
#pragma once

#include <objc/runtime.h>

#include "bridge/objc_send.h"
#include "bridge/platform_types.h"
#include "bridge/selectors.h"

namespace velmotint::prefs {

// The pane's own classes.
inline const vm::ClassRef RootController{"velmotintPrefsListController"};
inline const vm::ClassRef FirstSubpageController{"velmotintPrefs1ListController"};
inline const vm::ClassRef SecondSubpageController{"velmotintPrefs2ListController"};
inline const vm::ClassRef HeaderCell{"Velmo2TopCell"};

// Each creates its classes once; a class that exists already is left as it is.
void registerListControllers();
void registerHeaderCell();

// The root page's button actions.
void respring(id self, SEL cmd, id sender);
void tanvorkTwitter(id self, SEL cmd, id sender);

}  // namespace velmotint::prefs
