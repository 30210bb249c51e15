// A hook's saved slot: the implementation a class had before its method was replaced,
// typed with the method's own signature so that falling back can only pass the right
// arguments.
#pragma once

#include <objc/runtime.h>

#include "bridge/objc_send.h"

namespace velmotint {

template <typename Signature>
class Saved;

// Saved<R(Args...)> holds an implementation of a method taking Args and returning R.
template <typename R, typename... Args>
class Saved<R(Args...)> {
 public:
  using Replacement = R (*)(id, SEL, Args...);

  // Runs the saved implementation on the receiver with the selector the replacement got.
  R operator()(id self, SEL cmd, Args... args) const {
    return vm::callImp<R>(imp_, self, cmd, args...);
  }

  bool filled() const { return imp_ != nullptr; }
  IMP imp() const { return imp_; }
  // Where the hooking call stores the former implementation; written once, at install.
  IMP* slot() { return &imp_; }

 private:
  IMP imp_ = nullptr;
};

}  // namespace velmotint
