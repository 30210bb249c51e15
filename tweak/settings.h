// The settings store: loads the feature flags from the settings file at start-up and
// again on every settings-changed notification.
#pragma once

#include <objc/runtime.h>

#include "tweak/host_boundary.h"

// Registers for the settings-changed notification, then loads the flags once.
void initSettings();

// Sets every flag whose ENABLEDn key `settings` (a dictionary, or nil for none) holds;
// an absent key leaves its flag as it was. What loadSettings does with the file's
// dictionary, and where a fuzzer hands in a parsed dictionary.
void applySettings(id settings);

// Re-reads every ENABLEDn key present in the settings file into its flag. A missing or
// unreadable file, or one whose root is not a dictionary, changes nothing; an absent key
// leaves its flag as it was.
void loadSettings();

// The same, as the notification centre calls it; every argument is ignored.
void loadSettings(CFNotificationCenterRef center, void* observer, CFStringRef name,
                  const void* object, CFDictionaryRef userInfo);
