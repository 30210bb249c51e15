// The Preferences framework's classes and the selectors of list controllers, specifiers
// and table cells that the pane and the Settings app send. Naming rule: name_rule.h.
#pragma once

#include "bridge/names/name_rule.h"

#define VM_PREFERENCES_CLASSES(X)         \
  X(PSSpecifier, "PSSpecifier")           \
  X(PSListController, "PSListController") \
  X(PSTableCell, "PSTableCell")

#define VM_PREFERENCES_SELECTORS(X)                                                       \
  X(specifiers, "specifiers")                                                             \
  X(loadSpecifiersFromPlistName_target_, "loadSpecifiersFromPlistName:target:")           \
  X(clearCache, "clearCache")                                                             \
  X(reload, "reload")                                                                     \
  X(readPreferenceValue_, "readPreferenceValue:")                                         \
  X(setPreferenceValue_specifier_, "setPreferenceValue:specifier:")                       \
  X(propertyForKey_, "propertyForKey:")                                                   \
  X(setProperty_forKey_, "setProperty:forKey:")                                           \
  X(name, "name")                                                                         \
  X(identifier, "identifier")                                                             \
  X(target, "target")                                                                     \
  X(initWithStyle_reuseIdentifier_specifier_, "initWithStyle:reuseIdentifier:specifier:") \
  X(initWithSpecifier_, "initWithSpecifier:")                                             \
  X(specifier, "specifier")                                                               \
  X(preferredHeightForWidth_inTableView_, "preferredHeightForWidth:inTableView:")         \
  /* The stand-in's read-back getter */                                                   \
  X(loadedListName, "loadedListName")

VM_DECLARE_NAMES(VM_PREFERENCES_CLASSES, VM_PREFERENCES_SELECTORS)
