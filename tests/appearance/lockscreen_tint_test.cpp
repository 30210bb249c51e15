// The lock-screen tint under ENABLED2 on the stand-ins: the user's colours in place of the
// platform's, the banner's grabber, the glint view's label and layout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

// The banner's platform layout, recording the background its receiver has when it runs.
int gGrabberLayouts = 0;
Rgba gBackgroundAtLayout;
void recordGrabberLayout(id self, SEL) {
  ++gGrabberLayouts;
  gBackgroundAtLayout = componentsOf(send<id>(self, vm::sel::backgroundColor));
}

class BannerLayoutTest : public SpringBoardProcessTest {};

TEST_F(BannerLayoutTest, BannerIsClearedBeforeThePlatformLaysOutItsGrabber) {
  Method layout = class_getInstanceMethod(cls("SBBannerContextView"), sel("_layoutGrabber"));
  ASSERT_NE(layout, nullptr);
  method_setImplementation(layout, vm::toImp(&recordGrabberLayout));
  installTweak();
  ENABLED2.store(true);
  id banner = make("SBBannerContextView");
  send<void>(banner, vm::sel::setBackgroundColor_, someColour());
  send<void>(banner, sel("_layoutGrabber"));
  EXPECT_EQ(gGrabberLayouts, 1);
  EXPECT_EQ(gBackgroundAtLayout, kClear);

  // Off, only the platform's layout runs.
  ENABLED2.store(false);
  send<void>(banner, vm::sel::setBackgroundColor_, someColour());
  send<void>(banner, sel("_layoutGrabber"));
  EXPECT_EQ(gGrabberLayouts, 2);
  EXPECT_EQ(gBackgroundAtLayout, componentsOf(someColour()));
}

// The stand-ins' own methods below: what the lock screen ends with.
class LockScreenTintTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    installTweak();
    ENABLED2.store(true);
  }
  id glintView() { return makeView("_UIGlintyStringView", CGRect{{0, 0}, {280, 40}}); }
  static id effectLayer(id glint, NSUInteger index) {
    id layers = send<id>(send<id>(glint, sel("effectView")), vm::sel::subviews);
    return send<id>(layers, vm::sel::objectAtIndex_, index);
  }
};

// The colour setters' fallback is checked with the other tints, in hooks_test.
TEST_F(LockScreenTintTest, WithoutStoredColoursEveryColourIsTheFallback) {
  const Rgba fallback = fallbackRgba();
  EXPECT_EQ(componentsOf(send<id>(cls("SBBannerContextView"), sel("_defaultGrabberColor"))),
            fallback);
  id glint = glintView();
  id label = make("UILabel");
  send<void>(glint, sel("setLabel:"), label);
  send<void>(glint, vm::sel::layoutSubviews);
  EXPECT_EQ(componentsOf(send<id>(label, vm::sel::textColor)), fallback) << "glint label";
  EXPECT_EQ(componentsOf(send<id>(effectLayer(glint, 2), vm::sel::backgroundColor)), fallback);
}

TEST_F(LockScreenTintTest, AColourChangedInTheFileIsUsedAtTheNextCallWithoutANotification) {
  Class banner = cls("SBBannerContextView");
  writeSettings(stringEntry("vmColor5", "#ff0000"));
  EXPECT_EQ(componentsOf(send<id>(banner, sel("_defaultGrabberColor"))), (Rgba{1, 0, 0, 1}));
  writeSettings(stringEntry("vmColor5", "#00ff00:0.5"));
  EXPECT_EQ(componentsOf(send<id>(banner, sel("_defaultGrabberColor"))), (Rgba{0, 1, 0, 0.5}));
}

// The platform's layout never runs; of the effect view's subviews, as many as there are, the
// first two (blur, glint) are hidden and the third takes the user's tint.
TEST_F(LockScreenTintTest, LayoutHidesBlurAndGlintAndTintsTheThirdLayerThatExist) {
  storeUserColours();
  for (NSUInteger kept : {0u, 1u, 2u, 3u}) {
    SCOPED_TRACE(std::to_string(kept) + " effect subviews");
    id glint = glintView();
    std::vector<id> layers;
    for (NSUInteger i = 0; i < 3; ++i) layers.push_back(vm::retain(effectLayer(glint, i)));
    for (NSUInteger i = kept; i < 3; ++i) send<void>(layers[i], vm::sel::removeFromSuperview);
    send<void>(glint, vm::sel::layoutSubviews);
    EXPECT_EQ(send<NSInteger>(glint, sel("layoutCount")), 0) << "the platform's layout ran";
    for (NSUInteger i = 0; i < 2; ++i)
      EXPECT_EQ(send<CGFloat>(layers[i], vm::sel::alpha), i < kept ? 0.0 : 1.0) << "layer " << i;
    id tint = send<id>(layers[2], vm::sel::backgroundColor);
    if (kept == 3)
      EXPECT_EQ(componentsOf(tint), userRgba("vmColor5"));
    else
      EXPECT_EQ(tint, nil);
    for (id layer : layers) vm::release(layer);
  }
}

TEST_F(LockScreenTintTest, LabelBecomesASubviewInTheUsersColourAndNeverReachesThePlatform) {
  storeUserColours();
  id glint = glintView();
  id label = make("UILabel");
  send<void>(label, vm::sel::setBackgroundColor_, someColour());
  send<void>(glint, sel("setLabel:"), label);
  EXPECT_EQ(componentsOf(send<id>(label, vm::sel::textColor)), userRgba("vmColor6"));
  EXPECT_EQ(componentsOf(send<id>(label, vm::sel::backgroundColor)), kClear);
  EXPECT_EQ(send<id>(label, vm::sel::superview), glint);
  EXPECT_EQ(send<id>(glint, sel("label")), nil);
}

// No label: nothing to colour, and no nil subview for UIKit to add; the platform's setter
// is not reached either.
TEST_F(LockScreenTintTest, NoLabelLeavesTheViewAsItWas) {
  id glint = glintView();
  NSUInteger before = send<NSUInteger>(send<id>(glint, vm::sel::subviews), vm::sel::count);
  send<void>(glint, sel("setLabel:"), id{nil});
  EXPECT_EQ(send<NSUInteger>(send<id>(glint, vm::sel::subviews), vm::sel::count), before);
  EXPECT_EQ(send<id>(glint, sel("label")), nil);
}

}  // namespace
}  // namespace vm::test
