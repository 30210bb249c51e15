// Views own their subviews in order, give them up on removal and on dealloc, and keep one
// layer that holds on to its colours. (The layer's radius and border width read back in the
// home-items tests.)
#include <gtest/gtest.h>

#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "standins/uikit/uikit.h"

namespace vm::uikit {
namespace {

int gDeallocatedViews = 0;

void countedDealloc(id self, SEL) {
  ++gDeallocatedViews;
  sendSuper<void>(self, objc_getClass("CountedTestView"), sel::dealloc);
}

Class countedViewClass() {
  return ClassBuilder("CountedTestView", "UIView").method("dealloc", countedDealloc).build();
}

id newView(Class c = cls::UIView, CGRect frame = CGRect{}) {
  return send<id>(send<id>(c, sel::alloc), sel::initWithFrame_, frame);
}

std::vector<id> subviewsOf(id view) {
  id list = send<id>(view, sel::subviews);
  std::vector<id> out;
  for (NSUInteger i = 0, n = send<NSUInteger>(list, sel::count); i < n; ++i)
    out.push_back(send<id>(list, sel::objectAtIndex_, i));
  return out;
}

class ViewTreeTest : public ::testing::Test {
 protected:
  void SetUp() override { gDeallocatedViews = 0; }
  AutoreleasePool pool_;
};

TEST_F(ViewTreeTest, SubviewsKeepTheOrderTheyWereAddedInAndAreASnapshot) {
  id parent = newView();
  id a = newView(), b = newView(), c = newView();
  id before = send<id>(parent, sel::subviews);
  for (id v : {a, b, c}) send<void>(parent, sel::addSubview_, v);
  EXPECT_EQ(subviewsOf(parent), (std::vector<id>{a, b, c}));
  EXPECT_EQ(send<NSUInteger>(before, sel::count), 0u);
  EXPECT_EQ(send<id>(b, sel::superview), parent);

  // Adding a subview again brings it to the front: the end of the list.
  send<void>(parent, sel::addSubview_, a);
  EXPECT_EQ(subviewsOf(parent), (std::vector<id>{b, c, a}));
  for (id v : {a, b, c, parent}) release(v);
}

TEST_F(ViewTreeTest, AddingRetainsOnceMovingKeepsOneReferenceAndRemovingReleases) {
  id first = newView(), second = newView(), child = newView();
  send<void>(first, sel::addSubview_, child);
  EXPECT_EQ(retainCount(child), 2u);
  send<void>(first, sel::addSubview_, child);  // moving within the same parent
  EXPECT_EQ(retainCount(child), 2u);
  send<void>(second, sel::addSubview_, child);
  EXPECT_EQ(retainCount(child), 2u);
  EXPECT_EQ(send<id>(child, sel::superview), second);
  {
    AutoreleasePool snapshots;  // the lists subviewsOf reads hold references of their own
    EXPECT_TRUE(subviewsOf(first).empty());
    EXPECT_EQ(subviewsOf(second), std::vector<id>{child});
  }
  send<void>(child, sel::removeFromSuperview);
  EXPECT_EQ(retainCount(child), 1u);
  EXPECT_EQ(send<id>(child, sel::superview), nil);
  EXPECT_TRUE(subviewsOf(second).empty());
  for (id v : {child, first, second}) release(v);
}

TEST_F(ViewTreeTest, RemovalAndDeallocReleaseSubviewsAndDeallocForgetsSurvivors) {
  Class counted = countedViewClass();
  ASSERT_NE(counted, nullptr);
  id parent = newView(counted);
  id removed = newView(counted), owned = newView(counted), kept = newView(counted);
  for (id v : {removed, owned, kept}) send<void>(parent, sel::addSubview_, v);
  release(removed);  // the parent's reference is the last
  EXPECT_EQ(gDeallocatedViews, 0);
  send<void>(removed, sel::removeFromSuperview);
  EXPECT_EQ(gDeallocatedViews, 1);

  release(owned);
  release(parent);
  EXPECT_EQ(gDeallocatedViews, 3);  // the parent and the subview only it owned
  EXPECT_EQ(retainCount(kept), 1u);
  EXPECT_EQ(send<id>(kept, sel::superview), nil);
  release(kept);
  EXPECT_EQ(gDeallocatedViews, 4);
}

// Setting alpha and hidden reads back through the lock-screen tint and date tests.
TEST_F(ViewTreeTest, BoundsFollowTheFrameAndAViewStartsOpaqueAndShown) {
  id view = newView(cls::UIView, CGRectMake(10, 20, 30, 40));
  EXPECT_EQ(send<CGRect>(view, sel::frame), CGRectMake(10, 20, 30, 40));
  EXPECT_EQ(send<CGRect>(view, sel::bounds), CGRectMake(0, 0, 30, 40));
  EXPECT_EQ(send<CGFloat>(view, sel::alpha), 1.0);
  EXPECT_EQ(send<BOOL>(view, sel::isHidden), NO);
  send<void>(view, sel::setFrame_, CGRectMake(1, 2, 3, 4));
  EXPECT_EQ(send<CGRect>(view, sel::bounds), CGRectMake(0, 0, 3, 4));
  release(view);
}

TEST_F(ViewTreeTest, PlainInitGoesThroughInitWithFrame) {
  id label = send<id>(send<id>(cls::UILabel.get(), sel::alloc), sel::init);
  // UILabel's own initWithFrame: ran: one line, black text.
  EXPECT_EQ(send<NSInteger>(label, sel::numberOfLines), 1);
  EXPECT_EQ(componentsOf(send<id>(label, sel::textColor)), (Rgba{0, 0, 0, 1}));
  EXPECT_EQ(send<CGFloat>(label, sel::alpha), 1.0);
  release(label);
}

TEST_F(ViewTreeTest, TintColourIsInheritedUntilSet) {
  id parent = newView(), child = newView();
  send<void>(parent, sel::addSubview_, child);
  id red = send<id>(cls::UIColor.get(), sel::redColor);
  id white = send<id>(cls::UIColor.get(), sel::whiteColor);
  send<void>(parent, sel::setTintColor_, red);
  EXPECT_EQ(send<id>(child, sel::tintColor), red);
  send<void>(child, sel::setTintColor_, white);
  EXPECT_EQ(send<id>(child, sel::tintColor), white);
  release(child);
  release(parent);
}

TEST_F(ViewTreeTest, EachViewHasOneLayer) {
  id a = newView(), b = newView();
  id layer = send<id>(a, sel::layer);
  ASSERT_NE(layer, nil);
  EXPECT_EQ(send<id>(a, sel::layer), layer);
  EXPECT_NE(send<id>(b, sel::layer), layer);
  release(a);
  release(b);
}

TEST_F(ViewTreeTest, LayerRetainsItsColoursBeyondTheirUIColors) {
  id view = newView();
  id layer = send<id>(view, sel::layer);
  CGColorRef border = nullptr;
  {
    AutoreleasePool inner;
    id red = send<id>(cls::UIColor.get(), sel::redColor);
    id blue = send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, CGFloat{0},
                       CGFloat{0}, CGFloat{1}, CGFloat{0.5});
    border = send<CGColorRef>(blue, sel::CGColor);
    send<void>(layer, sel::setBackgroundColor_, send<CGColorRef>(red, sel::CGColor));
    send<void>(layer, sel::setBorderColor_, border);
    EXPECT_EQ(retainCountOf(border), 2);
  }
  // The UIColors are gone; the layer's references keep the Core Graphics colours.
  EXPECT_EQ(retainCountOf(border), 1);
  EXPECT_EQ(componentsOf(send<CGColorRef>(layer, sel::borderColor)), (Rgba{0, 0, 1, 0.5}));
  EXPECT_EQ(componentsOf(send<CGColorRef>(layer, sel::backgroundColor)), (Rgba{1, 0, 0, 1}));

  // Replacing a colour gives up the old one.
  CGColorRef kept = CGColorRetain(border);
  send<void>(layer, sel::setBorderColor_, static_cast<CGColorRef>(nullptr));
  EXPECT_EQ(retainCountOf(kept), 1);
  CGColorRelease(kept);
  release(view);
}

}  // namespace
}  // namespace vm::uikit
