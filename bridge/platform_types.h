// The platform's value types as the product sees them: BOOL, the scalar CGFloat,
// the pointer-width integers and the geometry structs.
#pragma once

#include <objc/runtime.h>

#if defined(__APPLE__)
#include <CoreGraphics/CGColor.h>
#include <CoreGraphics/CGGeometry.h>
#include <objc/NSObjCRuntime.h>
#else
#include <cstddef>

// GCC's runtime declares BOOL as unsigned char with YES and NO; Apple's is signed char
// (32-bit) or bool (64-bit). The product only ever tests and passes it, so the width
// does not leak.
using CGFloat = double;  // the 64-bit device build's scalar
using NSInteger = long;
using NSUInteger = unsigned long;

struct CGPoint {
  CGFloat x;
  CGFloat y;
};
struct CGSize {
  CGFloat width;
  CGFloat height;
};
struct CGRect {
  CGPoint origin;
  CGSize size;
};

// Core Graphics colours are opaque references; the UIKit stand-in hands out objects.
using CGColorRef = struct CGColor*;

inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  return CGRect{{x, y}, {width, height}};
}
#endif

inline bool operator==(const CGRect& a, const CGRect& b) {
  return a.origin.x == b.origin.x && a.origin.y == b.origin.y && a.size.width == b.size.width &&
         a.size.height == b.size.height;
}
