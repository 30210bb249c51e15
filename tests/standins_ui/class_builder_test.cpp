// Declared properties and IvarRef: a getter answers what its setter stored, with encodings
// taken from the C++ types; retained and copied objects are owned and released when the
// instance goes, subclass first; an ivar name no class declares stops the process instead
// of writing over the class pointer.
#include "bridge/class_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "tests/support/objc_helpers.h"

namespace vm {
namespace {

using test::sel;

// Probes count their deallocs, so a test sees exactly when an owner lets one go.
std::vector<std::string> gDeallocs;
const AssignProperty<const char*> kProbeName{"_probeName", nullptr, nullptr};

void recordDealloc(id self) {
  gDeallocs.push_back(kProbeName.of(self));
}

Class probeClass() {
  return ClassBuilder("BuilderProbe", "NSObject")
      .property<kProbeName>()
      .onDealloc(recordDealloc)
      .build();
}

id newProbe(const char* name) {
  id probe = send<id>(send<id>(asId(probeClass()), sel("alloc")), sel("init"));
  kProbeName.of(probe) = name;
  return probe;
}

const AssignProperty<NSInteger> kCount{"_count", "count", "setCount:"};
const AssignProperty<BOOL> kFlag{"_flag", "isFlag", "setFlag:"};
const AssignProperty<CGFloat> kAlpha{"_alpha", "alpha", "setAlpha:"};
const AssignProperty<CGRect> kFrame{"_frame", "frame", "setFrame:"};
const AssignProperty<id> kDelegate{"_delegate", "delegate", "setDelegate:"};
const RetainProperty kColor{"_color", "color", "setColor:"};
const CopyProperty kText{"_text", "text", "setText:"};
const RetainProperty kLazy{"_lazy", "lazy", nullptr};

Class ownerClass() {
  return ClassBuilder("BuilderOwner", "NSObject")
      .property<kCount>()
      .property<kFlag>()
      .property<kAlpha>()
      .property<kFrame>()
      .property<kDelegate>()
      .property<kColor>()
      .property<kText>()
      .property<kLazy>()
      .build();
}

// A subclass with an owned property of its own: its dealloc runs first, then the owner's.
const RetainProperty kExtra{"_extra", "extra", "setExtra:"};
Class subOwnerClass() {
  ownerClass();
  return ClassBuilder("BuilderSubOwner", "BuilderOwner").property<kExtra>().build();
}

id newInstance(Class c) {
  return send<id>(send<id>(asId(c), sel("alloc")), sel("init"));
}

std::string typesOf(Class c, const char* selector) {
  return method_getTypeEncoding(class_getInstanceMethod(c, sel(selector)));
}

class ClassBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { gDeallocs.clear(); }
  AutoreleasePool pool_;
};

TEST_F(ClassBuilderTest, AccessorsCarryTheEncodingsOfTheirCppTypes) {
  Class c = ownerClass();
  struct Row {
    const char* selector;
    std::string types;
  };
  const Row rows[] = {
      {"count", TypeEncoding<NSInteger>::get() + "@:"},
      {"setCount:", "v@:" + TypeEncoding<NSInteger>::get()},
      {"isFlag", TypeEncoding<BOOL>::get() + "@:"},
      {"setAlpha:", "v@:" + TypeEncoding<CGFloat>::get()},
      {"frame", TypeEncoding<CGRect>::get() + "@:"},
      {"setFrame:", "v@:" + TypeEncoding<CGRect>::get()},
      {"setText:", "v@:@"},
      {"lazy", "@@:"},
  };
  for (const Row& row : rows) EXPECT_EQ(typesOf(c, row.selector), row.types) << row.selector;
  EXPECT_EQ(class_getInstanceMethod(c, sel("setLazy:")), nullptr);
}

TEST_F(ClassBuilderTest, GettersAnswerWhatSettersStored) {
  id owner = newInstance(ownerClass());
  id probe = newProbe("delegate");
  const CGRect frame{{1, 2}, {3, 4}};
  send<void>(owner, sel("setCount:"), NSInteger{-7});
  send<void>(owner, sel("setFlag:"), BOOL{YES});
  send<void>(owner, sel("setAlpha:"), CGFloat{0.25});
  send<void>(owner, sel("setFrame:"), frame);
  send<void>(owner, sel("setDelegate:"), probe);
  EXPECT_EQ(send<NSInteger>(owner, sel("count")), -7);
  EXPECT_TRUE(send<BOOL>(owner, sel("isFlag")));
  EXPECT_EQ(send<CGFloat>(owner, sel("alpha")), CGFloat{0.25});
  CGRect back = send<CGRect>(owner, sel("frame"));
  EXPECT_EQ(std::vector<CGFloat>({back.origin.x, back.origin.y, back.size.width, back.size.height}),
            std::vector<CGFloat>({1, 2, 3, 4}));
  EXPECT_EQ(send<id>(owner, sel("delegate")), probe);

  // An assigned object is not owned: the owner going leaves it alone.
  release(owner);
  EXPECT_TRUE(gDeallocs.empty());
  release(probe);
  EXPECT_EQ(gDeallocs, std::vector<std::string>{"delegate"});
}

TEST_F(ClassBuilderTest, ARetainedObjectIsHeldUntilReplacedOrTheOwnerGoes) {
  id owner = newInstance(ownerClass());
  id first = newProbe("first");
  id second = newProbe("second");
  send<void>(owner, sel("setColor:"), first);
  send<void>(owner, sel("setColor:"), first);  // the same object again is kept
  release(first);
  EXPECT_EQ(send<id>(owner, sel("color")), first);
  EXPECT_TRUE(gDeallocs.empty());

  send<void>(owner, sel("setColor:"), second);
  EXPECT_EQ(gDeallocs, std::vector<std::string>{"first"});
  release(second);
  release(owner);
  EXPECT_EQ(gDeallocs, (std::vector<std::string>{"first", "second"}));
}

TEST_F(ClassBuilderTest, ACopiedPropertyHoldsACopy) {
  id owner = newInstance(ownerClass());
  id mutableText = send<id>(nsString("before"), sel("mutableCopy"));
  send<void>(owner, sel("setText:"), mutableText);
  send<void>(mutableText, sel("setString:"), nsString("after"));
  id held = send<id>(owner, sel("text"));
  EXPECT_NE(held, mutableText);
  EXPECT_EQ(stdString(held), "before");
  release(mutableText);
  release(owner);
}

TEST_F(ClassBuilderTest, OwnedIvarsAreReleasedSubclassFirstThenTheSuperclassDeallocRuns) {
  id owner = newInstance(subOwnerClass());
  struct Row {
    const char* name;
    const char* setter;  // none: the class's own code fills the ivar
  };
  const Row rows[] = {{"color", "setColor:"}, {"lazy", nullptr}, {"extra", "setExtra:"}};
  for (const Row& row : rows) {
    id probe = newProbe(row.name);
    if (row.setter != nullptr)
      send<void>(owner, sel(row.setter), probe);
    else
      kLazy.of(owner) = retain(probe);
    release(probe);
  }
  EXPECT_TRUE(gDeallocs.empty());
  release(owner);
  EXPECT_EQ(gDeallocs, (std::vector<std::string>{"extra", "color", "lazy"}));
}

void handWrittenDealloc(id self, SEL) {
  sendSuper<void>(self, objc_getClass("BuilderBothDeallocs"), sel("dealloc"));
}

TEST_F(ClassBuilderTest, AHandWrittenDeallocBesideOwnedPropertiesStopsTheBuild) {
  EXPECT_DEATH(ClassBuilder("BuilderBothDeallocs", "NSObject")
                   .property<kColor>()
                   .method("dealloc", handWrittenDealloc)
                   .build(),
               "BuilderBothDeallocs.*onDealloc");
}

// An ivar read at the offset the runtime gives for it in the object's own class.
template <typename T>
T byRuntime(id object, const char* name) {
  Ivar ivar = class_getInstanceVariable(object_getClass(object), name);
  return *reinterpret_cast<T*>(reinterpret_cast<char*>(object) + ivar_getOffset(ivar));
}

// The same ivar name at different offsets in two unrelated classes, through one IvarRef.
const IvarRef<NSInteger> kShared{"_shared"};
const IvarRef<NSInteger> kMisspelt{"_shraed"};

TEST_F(ClassBuilderTest, AnIvarRefFindsTheIvarInEachClassItMeets) {
  Class narrow = ClassBuilder("BuilderNarrow", "NSObject").ivar<NSInteger>("_shared").build();
  Class wide = ClassBuilder("BuilderWide", "NSObject")
                   .ivar<CGRect>("_before")
                   .ivar<NSInteger>("_shared")
                   .build();
  ASSERT_NE(ivar_getOffset(class_getInstanceVariable(narrow, "_shared")),
            ivar_getOffset(class_getInstanceVariable(wide, "_shared")));
  id a = newInstance(narrow);
  id b = newInstance(wide);
  for (NSInteger round = 0; round < 2; ++round) {  // the second round reads cached offsets
    kShared.of(a) = 11 + round;
    kShared.of(b) = 22 + round;
    EXPECT_EQ(byRuntime<NSInteger>(a, "_shared"), 11 + round);
    EXPECT_EQ(byRuntime<NSInteger>(b, "_shared"), 22 + round);
    EXPECT_EQ(byRuntime<CGRect>(b, "_before").size.width, 0);
  }
  release(a);
  release(b);
}

TEST_F(ClassBuilderTest, AMisspeltIvarNameStopsTheProcessNamingClassAndIvar) {
  id object = newInstance(ClassBuilder("BuilderNarrow", "NSObject").build());
  EXPECT_DEATH(kMisspelt.of(object) = 1, "BuilderNarrow.*_shraed");
  release(object);
}

}  // namespace
}  // namespace vm
