// Core Graphics colours: small reference-counted RGBA records with the framework's C
// names. They are not Objective-C objects, as on the device, so a layer keeps one alive
// with CGColorRetain after the UIColor that made it is gone.
#include <atomic>

#include "standins/uikit/uikit_internal.h"

struct CGColor {
  std::atomic<long> owners;
  CGFloat components[4];
};

namespace vm::uikit {

CGColorRef createCGColor(const Rgba& rgba) {
  return new CGColor{{1}, {rgba.red, rgba.green, rgba.blue, rgba.alpha}};
}

Rgba componentsOf(CGColorRef color) {
  if (color == nullptr) return Rgba{};
  const CGFloat* c = color->components;
  return Rgba{c[0], c[1], c[2], c[3]};
}

long retainCountOf(CGColorRef color) {
  return color == nullptr ? 0 : color->owners.load(std::memory_order_relaxed);
}

}  // namespace vm::uikit

extern "C" {

CGColorRef CGColorRetain(CGColorRef color) {
  if (color != nullptr) color->owners.fetch_add(1, std::memory_order_relaxed);
  return color;
}

void CGColorRelease(CGColorRef color) {
  if (color != nullptr && color->owners.fetch_sub(1, std::memory_order_acq_rel) == 1) delete color;
}

size_t CGColorGetNumberOfComponents(CGColorRef color) {
  return color == nullptr ? 0 : 4;
}

const CGFloat* CGColorGetComponents(CGColorRef color) {
  return color == nullptr ? nullptr : color->components;
}

CGFloat CGColorGetAlpha(CGColorRef color) {
  return color == nullptr ? 0 : color->components[3];
}

bool CGColorEqualToColor(CGColorRef first, CGColorRef second) {
  if (first == second) return true;
  if (first == nullptr || second == nullptr) return false;
  for (int i = 0; i < 4; ++i)
    if (first->components[i] != second->components[i]) return false;
  return true;
}
}
