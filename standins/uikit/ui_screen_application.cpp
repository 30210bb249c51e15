// The process-wide UIScreen and UIApplication objects: the screen's size, and opening a
// URL, which here is shown on standard output for the person running the host.
#include <cstdio>
#include <cstdlib>

#include "standins/uikit/uikit_internal.h"

namespace vm::uikit {
namespace {

constexpr CGFloat kDefaultScreenWidth = 375.5;
constexpr CGFloat kScreenHeight = 667;

// The application is never deallocated, so its URL is retained by hand and never let go.
const AssignProperty<id> kLastOpenedURL{"_lastOpenedURL", "lastOpenedURL", nullptr};
const AssignProperty<NSInteger> kOpenedURLCount{"_openedURLCount", "openedURLCount", nullptr};

// Shared objects live as long as the process, as the platform's do.
id sharedInstance(Class c) {
  return newInstance(c);
}

id mainScreen(id self, SEL) {
  static id screen = sharedInstance(reinterpret_cast<Class>(self));
  return screen;
}

// Read on every call so a test can change the width between cases.
CGRect screenBounds(id, SEL) {
  CGFloat width = kDefaultScreenWidth;
  if (const char* text = std::getenv(kScreenWidthVariable)) {
    char* end = nullptr;
    double value = std::strtod(text, &end);
    if (end != text && value > 0) width = value;
  }
  return CGRect{{0, 0}, {width, kScreenHeight}};
}

id sharedApplication(id self, SEL) {
  static id application = sharedInstance(reinterpret_cast<Class>(self));
  return application;
}

BOOL openURL(id self, SEL, id url) {
  if (url == nil) return NO;
  assignRetained(kLastOpenedURL.of(self), url);
  ++kOpenedURLCount.of(self);
  std::printf("openURL: %s\n", stdString(send<id>(url, sel::absoluteString)).c_str());
  std::fflush(stdout);
  return YES;
}

}  // namespace

std::string lastOpenedURLString() {
  id application = send<id>(cls::UIApplication.get(), sel::sharedApplication);
  AutoreleasePool pool;
  return stdString(send<id>(send<id>(application, sel::lastOpenedURL), sel::absoluteString));
}

void registerScreenAndApplication() {
  ReleaseClassBuilder(cls::UIScreen.name(), cls::NSObject.name())
      .classMethod("mainScreen", mainScreen)
      .method("bounds", screenBounds)
      .build();

  ReleaseClassBuilder(cls::UIApplication.name(), cls::NSObject.name())
      .property<kLastOpenedURL>()
      .property<kOpenedURLCount>()
      .classMethod("sharedApplication", sharedApplication)
      .method("openURL:", openURL)
      .build();
}

}  // namespace vm::uikit
