// CoreFoundation's C entry points for the Darwin centre. They never let an exception or
// a bad argument reach the caller: what cannot be done is silently not done.
#include <string>

#include "standins/corefoundation/CoreFoundation.h"
#include "standins/corefoundation/darwin_center.h"

namespace {

using vm::notify::DarwinCenter;

template <typename Action>
void guarded(Action&& action) noexcept {
  try {
    action();
  } catch (...) {
  }
}

bool isDarwinCenter(CFNotificationCenterRef center) {
  return center != nullptr && center == DarwinCenter::ref();
}

const char* textOf(CFStringRef name) {
  return CFStringGetCStringPtr(name, kCFStringEncodingUTF8);
}

}  // namespace

CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter(void) {
  return DarwinCenter::ref();
}

void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer,
                                     CFNotificationCallback callBack, CFStringRef name,
                                     const void* object,
                                     CFNotificationSuspensionBehavior suspensionBehavior) {
  const char* text = textOf(name);
  if (!isDarwinCenter(center) || callBack == nullptr || text == nullptr) return;
  guarded([&] { DarwinCenter::shared().addObserver(observer, callBack, text); });
}

void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center, const void* observer,
                                        CFNotificationName name, const void* object) {
  if (!isDarwinCenter(center)) return;
  guarded([&] {
    const char* text = textOf(name);
    if (text == nullptr) {
      DarwinCenter::shared().removeObserver(observer, nullptr);
      return;
    }
    std::string wanted(text);
    DarwinCenter::shared().removeObserver(observer, &wanted);
  });
}

void CFNotificationCenterRemoveEveryObserver(CFNotificationCenterRef center, const void* observer) {
  CFNotificationCenterRemoveObserver(center, observer, nullptr, nullptr);
}

void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFNotificationName name,
                                          const void* object, CFDictionaryRef userInfo,
                                          Boolean deliverImmediately) {
  const char* text = textOf(name);
  if (!isDarwinCenter(center) || text == nullptr) return;
  guarded([&] { DarwinCenter::shared().post(text); });
}
