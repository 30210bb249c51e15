#include "hosts/springboard/report_objects.h"

#include <map>

#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

Colour plain(const vm::uikit::Rgba& c) {
  return Colour{static_cast<double>(c.red), static_cast<double>(c.green),
                static_cast<double>(c.blue), static_cast<double>(c.alpha)};
}

}  // namespace

ReportObjects::~ReportObjects() {
  for (id object : owned_) vm::release(object);
}

id ReportObjects::keep(id object) {
  if (object != nil) owned_.push_back(object);
  return object;
}

id ReportObjects::make(Class cls) {
  return keep(vm::send<id>(vm::send<id>(cls, vm::sel::alloc), vm::sel::init));
}

id ReportObjects::view(Class cls, CGRect frame) {
  return keep(vm::send<id>(vm::send<id>(cls, vm::sel::alloc), vm::sel::initWithFrame_, frame));
}

id ReportObjects::view(Class cls, View where) {
  return view(cls, rectOf(where));
}

id lastingView(Class cls, View where) {
  // Never released, nor the table destroyed at exit: SpringBoard's views live as long as
  // the process, and stay reachable to the leak checker's last look.
  static auto* views = new std::map<View, id>();
  id& view = (*views)[where];
  if (view == nil)
    view = vm::send<id>(vm::send<id>(cls, vm::sel::alloc), vm::sel::initWithFrame_, rectOf(where));
  return view;
}

CGRect rectOf(View where) {
  Frame f = frameOf(where);
  return CGRect{{static_cast<CGFloat>(f.x), static_cast<CGFloat>(f.y)},
                {static_cast<CGFloat>(f.width), static_cast<CGFloat>(f.height)}};
}

std::optional<Colour> coloursOf(id colour) {
  if (colour == nil) return std::nullopt;
  return plain(vm::uikit::componentsOf(colour));
}

std::optional<Colour> coloursOf(CGColorRef colour) {
  if (colour == nullptr) return std::nullopt;
  return plain(vm::uikit::componentsOf(colour));
}

}  // namespace springboard
