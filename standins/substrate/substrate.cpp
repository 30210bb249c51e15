#include "standins/substrate/substrate.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <mutex>
#include <utility>

// An inherited method gets a trampoline in its saved slot: a function that, whatever its
// arguments and result, looks up the superclass's implementation at call time and
// forwards the whole call frame to it (GCC's __builtin_apply), so a hook installed later
// on the superclass is still reached. Trampolines come from a fixed pool, one per hook.
namespace {

struct InheritedHook {
  std::atomic<Class> superclass{nullptr};
  std::atomic<SEL> selector{nullptr};
};

constexpr std::size_t kTrampolines = 128;
// Bytes of stack arguments copied on forwarding: enough for the largest method the
// platform classes take (several rectangles).
constexpr std::size_t kForwardedStackBytes = 256;

std::array<InheritedHook, kTrampolines> gInherited;
std::size_t gInheritedUsed = 0;
std::mutex gLock;

using ForwardTarget = void (*)(...);

template <std::size_t N>
__attribute__((noinline)) void callSuperclassImplementation() {
  void* frame = __builtin_apply_args();
  IMP imp = class_getMethodImplementation(gInherited[N].superclass.load(),
                                          gInherited[N].selector.load());
  void* result = __builtin_apply(reinterpret_cast<ForwardTarget>(reinterpret_cast<void (*)()>(imp)),
                                 frame, kForwardedStackBytes);
  __builtin_return(result);
}

template <std::size_t... N>
constexpr std::array<void (*)(), kTrampolines> makeTrampolines(std::index_sequence<N...>) {
  return {&callSuperclassImplementation<N>...};
}

const std::array<void (*)(), kTrampolines> kTrampolineTable =
    makeTrampolines(std::make_index_sequence<kTrampolines>{});

}  // namespace

extern "C" void MSHookMessageEx(Class cls, SEL selector, IMP hook, IMP* old) {
  if (cls == nullptr || selector == nullptr || hook == nullptr) return;
  std::lock_guard<std::mutex> guard(gLock);
  Method method = class_getInstanceMethod(cls, selector);
  if (method == nullptr) return;

  // Does `cls` itself implement the selector, or only inherit it?
  bool own = false;
  unsigned int count = 0;
  Method* methods = class_copyMethodList(cls, &count);
  for (unsigned int i = 0; i < count && !own; ++i)
    own = sel_isEqual(method_getName(methods[i]), selector) != NO;
  free(methods);

  if (own) {
    IMP former = method_setImplementation(method, hook);
    if (old != nullptr) *old = former;
    return;
  }

  // GCC's class_replaceMethod would replace the superclass's entry for every subclass;
  // add an override to this class only.
  if (gInheritedUsed == kTrampolines) return;  // pool exhausted: install nothing
  std::size_t slot = gInheritedUsed;
  gInherited[slot].superclass.store(class_getSuperclass(cls));
  gInherited[slot].selector.store(selector);
  if (!class_addMethod(cls, selector, hook, method_getTypeEncoding(method))) return;
  ++gInheritedUsed;
  if (old != nullptr)
    *old = reinterpret_cast<IMP>(reinterpret_cast<void (*)()>(kTrampolineTable[slot]));
}
