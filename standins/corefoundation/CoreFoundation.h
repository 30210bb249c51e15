// The part of CoreFoundation the tweak and the Settings side use: constant strings and the
// Darwin notification centre, under CoreFoundation's own C names and signatures.
//
// The Darwin centre is machine-wide: a name posted by any process, the poster included,
// reaches every observer of that name in every process that shares the device root.
// Callbacks run on a background thread of the observing process; posts of one name that
// arrive before that thread gets to them are delivered once. The notification carries no
// payload: callbacks get NULL for object and userInfo.
#pragma once

#include <stdint.h>

#define CF_EXPORT extern "C" __attribute__((visibility("default")))

typedef unsigned char Boolean;
typedef signed long CFIndex;
typedef uint32_t CFStringEncoding;

typedef const struct __CFString* CFStringRef;
typedef const struct __CFDictionary* CFDictionaryRef;
typedef struct __CFNotificationCenter* CFNotificationCenterRef;
typedef CFStringRef CFNotificationName;

enum : CFStringEncoding {
  kCFStringEncodingASCII = 0x0600,
  kCFStringEncodingUTF8 = 0x08000100,
};

// A string constant that lives as long as the process: the same text always yields the
// same pointer, and nothing is ever released. The literal-only form matches the device,
// where CFSTR is a compile-time constant.
#define CFSTR(cStr) __CFStringMakeConstantString("" cStr "")
CF_EXPORT CFStringRef __CFStringMakeConstantString(const char* cStr);

// The string's bytes when they can be handed out without conversion (UTF-8 always, ASCII
// when every byte is ASCII); NULL otherwise or for a NULL string.
CF_EXPORT const char* CFStringGetCStringPtr(CFStringRef theString, CFStringEncoding encoding);

typedef void (*CFNotificationCallback)(CFNotificationCenterRef center, void* observer,
                                       CFNotificationName name, const void* object,
                                       CFDictionaryRef userInfo);

// The Darwin centre ignores the suspension behaviour; the values are kept for callers.
enum CFNotificationSuspensionBehavior : CFIndex {
  CFNotificationSuspensionBehaviorDrop = 1,
  CFNotificationSuspensionBehaviorCoalesce = 2,
  CFNotificationSuspensionBehaviorHold = 3,
  CFNotificationSuspensionBehaviorDeliverImmediately = 4,
};

// The process's one Darwin centre; the same value on every call.
CF_EXPORT CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter(void);

// Registers `callBack` for `name` (which must not be NULL). The same observer, name and
// callback registered again stay one registration. `object` and `suspensionBehavior` are
// ignored, as the Darwin centre does.
CF_EXPORT void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer,
                                               CFNotificationCallback callBack, CFStringRef name,
                                               const void* object,
                                               CFNotificationSuspensionBehavior suspensionBehavior);

// Removes the observer's registrations for `name`, or for every name when `name` is NULL.
// Once it returns (outside a callback), no removed callback runs any more.
CF_EXPORT void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center,
                                                  const void* observer, CFNotificationName name,
                                                  const void* object);

CF_EXPORT void CFNotificationCenterRemoveEveryObserver(CFNotificationCenterRef center,
                                                       const void* observer);

// Posts `name` to every observing process. `object`, `userInfo` and `deliverImmediately`
// are ignored. A post that cannot be sent reaches nobody and reports nothing.
CF_EXPORT void CFNotificationCenterPostNotification(CFNotificationCenterRef center,
                                                    CFNotificationName name, const void* object,
                                                    CFDictionaryRef userInfo,
                                                    Boolean deliverImmediately);
