// Objective-C type encodings derived from C++ types, so that a method's encoding can
// never disagree with the function that implements it.
#pragma once

#include <objc/runtime.h>

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
template <>
struct TypeEncoding<bool> {
  static std::string get() { return "B"; }
};
template <>
struct TypeEncoding<char> {
  static std::string get() { return "c"; }
};
template <>
struct TypeEncoding<signed char> {
  static std::string get() { return "c"; }
};
template <>
struct TypeEncoding<unsigned char> {
  static std::string get() { return "C"; }
};
template <>
struct TypeEncoding<int> {
  static std::string get() { return "i"; }
};
template <>
struct TypeEncoding<unsigned int> {
  static std::string get() { return "I"; }
};
template <>
struct TypeEncoding<long> {
  static std::string get() { return "l"; }
};
template <>
struct TypeEncoding<unsigned long> {
  static std::string get() { return "L"; }
};
template <>
struct TypeEncoding<long long> {
  static std::string get() { return "q"; }
};
template <>
struct TypeEncoding<unsigned long long> {
  static std::string get() { return "Q"; }
};
template <>
struct TypeEncoding<float> {
  static std::string get() { return "f"; }
};
template <>
struct TypeEncoding<double> {
  static std::string get() { return "d"; }
};
template <>
struct TypeEncoding<const char*> {
  static std::string get() { return "*"; }
};
template <>
struct TypeEncoding<CGPoint> {
  static std::string get() { return "{CGPoint=dd}"; }
};
template <>
struct TypeEncoding<CGSize> {
  static std::string get() { return "{CGSize=dd}"; }
};
template <>
struct TypeEncoding<CGRect> {
  static std::string get() { return "{CGRect={CGPoint=dd}{CGSize=dd}}"; }
};
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
