// The stand-in hooking call: inherited methods, and what it refuses. (An own method swapped
// and its former one saved, and subclasses reaching it, show in the installer and
// home-items tests, which hook every row through this call.)
#include "standins/substrate/substrate.h"

#include <gtest/gtest.h>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"

namespace {

using vm::send;

int baseValue(id, SEL) {
  return 1;
}
int newBaseValue(id, SEL) {
  return 2;
}
CGRect baseScaled(id, SEL, CGRect r, double scale, int extra) {
  return CGRect{{r.origin.x + extra, r.origin.y}, {r.size.width * scale, r.size.height * scale}};
}

IMP gSavedValue = nullptr;
int hookedValue(id self, SEL cmd) {
  return 100 + vm::callImp<int>(gSavedValue, self, cmd);
}

IMP gSavedScaled = nullptr;
CGRect hookedScaled(id self, SEL cmd, CGRect r, double scale, int extra) {
  CGRect inner = vm::callImp<CGRect>(gSavedScaled, self, cmd, r, scale, extra);
  inner.size.height = -1;
  return inner;
}

class SubstrateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = vm::ClassBuilder("HookBase", "NSObject")
                .method("value", &baseValue)
                .method("scaled:by:plus:", &baseScaled)
                .build();
    child_ = vm::ClassBuilder("HookChild", "HookBase").build();
    sibling_ = vm::ClassBuilder("HookSibling", "HookBase").build();
    ASSERT_NE(child_, nullptr);
    ASSERT_NE(sibling_, nullptr);
  }
  int valueOf(Class cls) {
    id object = send<id>(send<id>(cls, vm::sel::alloc), vm::sel::init);
    int value = send<int>(object, sel_registerName("value"));
    vm::release(object);
    return value;
  }
  Class base_ = nullptr, child_ = nullptr, sibling_ = nullptr;
};

TEST_F(SubstrateTest, InheritedMethodIsOverriddenOnTheClassAloneAndFallsBackToTheSuperclass) {
  MSHookMessageEx(child_, sel_registerName("value"), vm::toImp(&hookedValue), &gSavedValue);
  ASSERT_NE(gSavedValue, nullptr);
  EXPECT_EQ(valueOf(child_), 101);
  EXPECT_EQ(valueOf(base_), 1) << "the superclass keeps its method";
  EXPECT_EQ(valueOf(sibling_), 1) << "sibling classes keep theirs";

  // The fallback runs the superclass's current implementation, not a copy of the old one.
  Method baseMethod = class_getInstanceMethod(base_, sel_registerName("value"));
  method_setImplementation(baseMethod, vm::toImp(&newBaseValue));
  EXPECT_EQ(valueOf(child_), 102);
}

TEST_F(SubstrateTest, InheritedFallbackPassesStructsAndFloatsThrough) {
  SEL scaled = sel_registerName("scaled:by:plus:");
  MSHookMessageEx(child_, scaled, vm::toImp(&hookedScaled), &gSavedScaled);
  id object = send<id>(send<id>(child_, vm::sel::alloc), vm::sel::init);
  CGRect r = send<CGRect>(object, scaled, CGRectMake(1, 2, 3, 4), 2.5, 10);
  vm::release(object);
  EXPECT_EQ(r, CGRectMake(11, 2, 7.5, -1));
}

TEST_F(SubstrateTest, NilClassOrUnknownSelectorInstallsNothing) {
  IMP slot = nullptr;
  MSHookMessageEx(nullptr, sel_registerName("value"), vm::toImp(&hookedValue), &slot);
  EXPECT_EQ(slot, nullptr);
  MSHookMessageEx(base_, sel_registerName("noSuchMethod"), vm::toImp(&hookedValue), &slot);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(class_getInstanceMethod(base_, sel_registerName("noSuchMethod")), nullptr);
  EXPECT_EQ(valueOf(base_), 1);
}

}  // namespace
