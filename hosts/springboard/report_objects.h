// The objects a scene is built from, released together when it is done, and the
// conversions from what the platform objects answer to the scene's plain values.
#pragma once

#include <objc/runtime.h>

#include <optional>
#include <vector>

#include "bridge/platform_types.h"
#include "hosts/springboard/scene.h"

namespace springboard {

class ReportObjects {
 public:
  ReportObjects() = default;
  ReportObjects(const ReportObjects&) = delete;
  ReportObjects& operator=(const ReportObjects&) = delete;
  ~ReportObjects();

  // Takes ownership of `object` (a +1 reference) and returns it.
  id keep(id object);
  // A new instance through alloc/init, or initWithFrame: for views.
  id make(Class cls);
  id view(Class cls, CGRect frame);
  // A view built at the frame the scene gives `where`.
  id view(Class cls, View where);

 private:
  std::vector<id> owned_;
};

CGRect rectOf(View where);

// A view SpringBoard keeps for as long as it runs (an icon's image, a badge), made once at
// the frame the scene gives `where` and handed to every later scene: what a replacement
// did to it stays, as on the device, until SpringBoard restarts.
id lastingView(Class cls, View where);

// A UIColor's or a Core Graphics colour's components; none for nil.
std::optional<Colour> coloursOf(id colour);
std::optional<Colour> coloursOf(CGColorRef colour);

}  // namespace springboard
