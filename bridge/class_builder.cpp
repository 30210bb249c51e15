#include "class_builder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vm {
namespace {

const SelRef kRetain{"retain"};
const SelRef kCopy{"copy"};
const SelRef kRelease{"release"};
const SelRef kDealloc{"dealloc"};

unsigned char log2Alignment(size_t align) {
  unsigned char shift = 0;
  while ((size_t{1} << shift) < align) ++shift;
  return shift;
}

[[noreturn]] void abortWith(const char* className, const char* name, const char* what) {
  std::fprintf(stderr, "velmotint: class %s, %s: %s\n", className, name, what);
  std::abort();
}

// What a generated dealloc does for its class.
struct DeallocPlan {
  Class cls = nullptr;
  void (*first)(id) = nullptr;
  std::vector<const IvarRef<id>*> owned;
};

// A dealloc must know which class it belongs to, to release that class's ivars and then
// call the superclass's dealloc: a subclass's dealloc reaches it with the same receiver, so
// the receiver's class cannot tell. Each class with owned properties therefore gets its own
// function, one of a fixed set, each reading its own plan. Plans are written before the
// class is registered and only read afterwards. Classes are built while libraries load,
// before this file's dynamic initialisers may have run, so the table is plain pointers
// (zero before any code runs) and a plan, like its class, lives as long as the process.
constexpr size_t kDeallocSlots = 96;
const DeallocPlan* gPlans[kDeallocSlots] = {};
std::atomic<size_t> gPlansUsed{0};

template <size_t Slot>
void generatedDealloc(id self, SEL) {
  const DeallocPlan& plan = *gPlans[Slot];
  if (plan.first != nullptr) plan.first(self);
  for (const IvarRef<id>* ivar : plan.owned) {
    id& slot = ivar->of(self);
    id old = slot;
    slot = nil;
    send<void>(old, kRelease);
  }
  sendSuper<void>(self, plan.cls, kDealloc);
}

template <size_t... Slots>
constexpr std::array<void (*)(id, SEL), sizeof...(Slots)> deallocTable(
    std::index_sequence<Slots...>) {
  return {&generatedDealloc<Slots>...};
}
constexpr auto kGeneratedDeallocs = deallocTable(std::make_index_sequence<kDeallocSlots>());

}  // namespace

std::ptrdiff_t ivarOffsetOrAbort(Class cls, const char* ivarName) {
  Ivar ivar = nullptr;
  for (Class c = cls; c != nullptr && ivar == nullptr; c = class_getSuperclass(c))
    ivar = class_getInstanceVariable(c, ivarName);
  if (ivar == nullptr)
    abortWith(cls != nullptr ? class_getName(cls) : "(nil)", ivarName, "no such instance variable");
  return ivar_getOffset(ivar);
}

namespace detail {

void storeObject(id& slot, id value, Ownership ownership) {
  id old = slot;
  slot = send<id>(value, ownership == Ownership::Copy ? kCopy : kRetain);
  send<void>(old, kRelease);
}

}  // namespace detail

ClassBuilder::ClassBuilder(const char* name, const char* superclassName) {
  existing_ = objc_getClass(name);
  if (existing_ != nullptr) return;
  Class superclass = objc_getClass(superclassName);
  if (superclass == nullptr) return;
  cls_ = objc_allocateClassPair(superclass, name, 0);
}

ClassBuilder::~ClassBuilder() {
  // A builder abandoned before build() must not leave a half-made class behind.
  if (cls_ != nullptr && !registered_) objc_disposeClassPair(cls_);
}

ClassBuilder& ClassBuilder::addIvar(const char* name, size_t size, size_t align,
                                    const std::string& types) {
  // The runtime takes the alignment as a power of two's exponent, and an ivar only before
  // the class is registered, when the instance size is still open.
  if (cls_ != nullptr) class_addIvar(cls_, name, size, log2Alignment(align), types.c_str());
  return *this;
}

ClassBuilder& ClassBuilder::addMethod(bool onMetaclass, const char* selector, IMP imp,
                                      const std::string& types) {
  if (cls_ == nullptr) return *this;
  if (!onMetaclass && sel_isEqual(sel_registerName(selector), kDealloc)) handWrittenDealloc_ = true;
  Class target = onMetaclass ? object_getClass(asId(cls_)) : cls_;
  class_addMethod(target, sel_registerName(selector), imp, types.c_str());
  return *this;
}

ClassBuilder& ClassBuilder::onDealloc(void (*fn)(id self)) {
  onDealloc_ = fn;
  return *this;
}

void ClassBuilder::addGeneratedDealloc() {
  const char* name = class_getName(cls_);
  if (handWrittenDealloc_)
    abortWith(name, "dealloc", "hand-written beside the generated releases; use onDealloc");
  size_t slot = gPlansUsed.fetch_add(1);
  if (slot >= kDeallocSlots)
    abortWith(name, "dealloc", "no generated dealloc left; raise kDeallocSlots");
  gPlans[slot] = new DeallocPlan{cls_, onDealloc_, std::move(owned_)};
  method("dealloc", kGeneratedDeallocs[slot]);
}

Class ClassBuilder::build() {
  if (existing_ != nullptr) return existing_;
  if (cls_ == nullptr) return nullptr;
  if (!registered_) {
    if (!owned_.empty() || onDealloc_ != nullptr) addGeneratedDealloc();
    objc_registerClassPair(cls_);
    registered_ = true;
  }
  return cls_;
}

}  // namespace vm
