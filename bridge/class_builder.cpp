#include "class_builder.h"

namespace vm {
namespace {

unsigned char log2Alignment(size_t align) {
  unsigned char shift = 0;
  while ((size_t{1} << shift) < align) ++shift;
  return shift;
}

}  // namespace

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
  if (cls_ != nullptr) class_addIvar(cls_, name, size, log2Alignment(align), types.c_str());
  return *this;
}

ClassBuilder& ClassBuilder::addMethod(bool onMetaclass, const char* selector, IMP imp,
                                      const std::string& types) {
  if (cls_ == nullptr) return *this;
  Class target = onMetaclass ? object_getClass(asId(cls_)) : cls_;
  class_addMethod(target, sel_registerName(selector), imp, types.c_str());
  return *this;
}

Class ClassBuilder::build() {
  if (existing_ != nullptr) return existing_;
  if (cls_ == nullptr) return nullptr;
  if (!registered_) {
    objc_registerClassPair(cls_);
    registered_ = true;
  }
  return cls_;
}

}  // namespace vm
