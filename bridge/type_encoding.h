// Objective-C type encodings derived from C++ types, so that a method's encoding can
// never disagree with the function that implements it.
#pragma once

#include <objc/runtime.h>

#include <cstddef>
#include <string>

#include "platform_types.h"

namespace vm {

template <typename T, typename = void>
struct TypeEncoding;

template <>
struct TypeEncoding<void> {
  static std::string get() { return "v"; }
};
template <>
struct TypeEncoding<id> {
  static std::string get() { return "@"; }
};
template <>
struct TypeEncoding<Class> {
  static std::string get() { return "#"; }
};
template <>
struct TypeEncoding<SEL> {
  static std::string get() { return ":"; }
};

// A scalar's code, one character.
template <char Code>
struct ScalarEncoding {
  static constexpr char code = Code;
  static std::string get() { return std::string(1, Code); }
};

namespace detail {

// Apple's runtime reads "l" and "L" as 32 bits on every architecture and encodes a 64-bit
// long as "q"; GCC's runtime reads "l" as the C long, whatever its width.
#if defined(__APPLE__)
inline constexpr bool kLongEncodedAsQuad = sizeof(long) == 8;
inline constexpr size_t kLongCodeBytes = 4;
#else
inline constexpr bool kLongEncodedAsQuad = false;
inline constexpr size_t kLongCodeBytes = sizeof(long);
#endif

// How many bytes the runtime reads for a scalar code (0 for a code that is no scalar).
constexpr size_t bytesOfCode(char code) {
  switch (code) {
    case 'c':
    case 'C':
    case 'B':
      return 1;
    case 's':
    case 'S':
      return 2;
    case 'i':
    case 'I':
    case 'f':
      return 4;
    case 'l':
    case 'L':
      return kLongCodeBytes;
    case 'q':
    case 'Q':
    case 'd':
      return 8;
    default:
      return 0;
  }
}

}  // namespace detail

// BOOL is bool (arm64), signed char (armv7) or unsigned char (GCC's runtime): all three
// are here, so BOOL always finds its own.
template <>
struct TypeEncoding<bool> : ScalarEncoding<'B'> {};
template <>
struct TypeEncoding<char> : ScalarEncoding<'c'> {};
template <>
struct TypeEncoding<signed char> : ScalarEncoding<'c'> {};
template <>
struct TypeEncoding<unsigned char> : ScalarEncoding<'C'> {};
template <>
struct TypeEncoding<int> : ScalarEncoding<'i'> {};
template <>
struct TypeEncoding<unsigned int> : ScalarEncoding<'I'> {};
template <>
struct TypeEncoding<long> : ScalarEncoding<detail::kLongEncodedAsQuad ? 'q' : 'l'> {};
template <>
struct TypeEncoding<unsigned long> : ScalarEncoding<detail::kLongEncodedAsQuad ? 'Q' : 'L'> {};
template <>
struct TypeEncoding<long long> : ScalarEncoding<'q'> {};
template <>
struct TypeEncoding<unsigned long long> : ScalarEncoding<'Q'> {};
template <>
struct TypeEncoding<float> : ScalarEncoding<'f'> {};
template <>
struct TypeEncoding<double> : ScalarEncoding<'d'> {};
template <>
struct TypeEncoding<const char*> {
  static std::string get() { return "*"; }
};

// Every scalar the platform types are made of encodes its own width: CGFloat is float
// ("f") and NSInteger int ("i") on 32-bit ARM, double ("d") and long ("q") on arm64. The
// device's runtime sizes arguments from these codes (forwarding, NSInvocation), so a code
// of the wrong width reads the wrong bytes.
template <typename T>
constexpr bool encodesItsWidth() {
  return detail::bytesOfCode(TypeEncoding<T>::code) == sizeof(T);
}
static_assert(encodesItsWidth<CGFloat>() && encodesItsWidth<NSInteger>() &&
                  encodesItsWidth<NSUInteger>() && encodesItsWidth<BOOL>() &&
                  encodesItsWidth<long>() && encodesItsWidth<unsigned long>(),
              "a scalar's type encoding disagrees with its width on this platform");

// The geometry structs are made of CGFloat, whichever width that is here.
inline std::string cgFloatPair() {
  return TypeEncoding<CGFloat>::get() + TypeEncoding<CGFloat>::get();
}
template <>
struct TypeEncoding<CGPoint> {
  static std::string get() { return "{CGPoint=" + cgFloatPair() + "}"; }
};
template <>
struct TypeEncoding<CGSize> {
  static std::string get() { return "{CGSize=" + cgFloatPair() + "}"; }
};
template <>
struct TypeEncoding<CGRect> {
  static std::string get() {
    return "{CGRect=" + TypeEncoding<CGPoint>::get() + TypeEncoding<CGSize>::get() + "}";
  }
};
static_assert(sizeof(CGPoint) == 2 * sizeof(CGFloat) && sizeof(CGRect) == 4 * sizeof(CGFloat),
              "the geometry structs are encoded as CGFloat members only");
// Any other pointer (out-parameters such as CGFloat*, opaque CGColorRef) is "^v"-like.
template <typename T>
struct TypeEncoding<
    T*, std::enable_if_t<!std::is_same_v<T*, id> && !std::is_same_v<T*, Class> &&
                         !std::is_same_v<T*, SEL> && !std::is_same_v<T*, const char*>>> {
  static std::string get() { return "^v"; }
};

// "v@:d" for void (*)(id, SEL, double), and so on.
template <typename R, typename... Args>
std::string methodTypeEncoding(R (*)(id, SEL, Args...)) {
  return TypeEncoding<R>::get() + "@:" + (std::string() + ... + TypeEncoding<Args>::get());
}

}  // namespace vm
