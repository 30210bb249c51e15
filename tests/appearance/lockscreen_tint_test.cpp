// The lock-screen tint under ENABLED2: fixed answers, suppressed background updates, the
// user's colours in place of the platform's, the glint view's label and layout.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "tests/appearance/appearance_test.h"
#include "tests/support/probe.h"
#include "tweak/feature_flags.h"

namespace {

using vm::send;
using vm::test::fallbackRgba;
using vm::test::kClear;
using vm::test::Probe;
using vm::test::Rgba;
using vm::test::rgbaOf;
using vm::test::userRgba;

SEL sel(const char* name) {
  return sel_registerName(name);
}

// Probed rows, named by install number.
using P9 = Probe<9, void(BOOL, id)>;
using P10 = Probe<10, CGFloat()>;
using P15 = Probe<15, void(id)>;
using P29 = Probe<29, BOOL()>;
using P30 = Probe<30, CGFloat()>;
using P31 = Probe<31, CGFloat()>;
using P39 = Probe<39, void()>;
using P40 = Probe<40, void()>;
using P41 = Probe<41, void()>;
using P42 = Probe<42, void()>;
using P53 = Probe<53, void(id)>;
using P54 = Probe<54, BOOL()>;
using P55 = Probe<55, BOOL()>;
using P56 = Probe<56, CGFloat()>;
using P57 = Probe<57, void(id)>;
using P58 = Probe<58, void(id)>;

// The banner's platform layout, recording the background its receiver has when it runs.
int gGrabberLayouts = 0;
Rgba gBackgroundAtLayout;
void recordGrabberLayout(id self, SEL) {
  ++gGrabberLayouts;
  gBackgroundAtLayout = rgbaOf(send<id>(self, vm::sel::backgroundColor));
}

class LockScreenTintProbes : public vm::test::AppearanceTest {
 protected:
  void SetUp() override {
    AppearanceTest::SetUp();
    Method layout = class_getInstanceMethod(cls("SBBannerContextView"), sel("_layoutGrabber"));
    ASSERT_NE(layout, nullptr);
    method_setImplementation(layout, vm::toImp(&recordGrabberLayout));
    const char* glint = "_UIGlintyStringView";
    ASSERT_TRUE(P9::install(cls(glint), "setBlurHidden:forRequester:"));
    ASSERT_TRUE(P10::install(cls(glint), "_chevronVerticalOffset"));
    ASSERT_TRUE(P15::install(cls("UILabel"), "setColor:"));
    const char* provider = "_UILegibilitySettingsProvider";
    ASSERT_TRUE(P29::install(cls(provider), "hasContrast"));
    ASSERT_TRUE(P30::install(cls(provider), "accumulatedBrightness"));
    ASSERT_TRUE(P31::install(cls(provider), "accumulatedLuminance"));
    const char* lock = "SBLockScreenView";
    ASSERT_TRUE(P39::install(cls(lock), "_updateSlideToUnlockBackground"));
    ASSERT_TRUE(P40::install(cls(lock), "_updateBottomGrabberBackground"));
    ASSERT_TRUE(P41::install(cls(lock), "_updateTopGrabberBackground"));
    ASSERT_TRUE(P42::install(cls(lock), "_updateVibrantViewBackgrounds"));
    ASSERT_TRUE(P53::install(cls("SBChevronView"), "setColor:"));
    ASSERT_TRUE(P54::install(cls("_UILegibilityView"), "usesSecondaryColor"));
    ASSERT_TRUE(P55::install(cls("_UILegibilityLabel"), "usesSecondaryColor"));
    const char* settings = "_UILegibilitySettings";
    ASSERT_TRUE(P56::install(cls(settings), "shadowAlpha"));
    ASSERT_TRUE(P57::install(cls(settings), "setPrimaryColor:"));
    ASSERT_TRUE(P58::install(cls(settings), "setSecondaryColor:"));
    storeUserColours();
    installTweak();
    ENABLED2.store(true);
  }
};

TEST_F(LockScreenTintProbes, FixedAnswersNeverRunThePlatform) {
  id glint = make("_UIGlintyStringView");
  id provider = make("_UILegibilitySettingsProvider");
  id settings = make("_UILegibilitySettings");
  EXPECT_EQ(send<CGFloat>(glint, sel("_chevronVerticalOffset")), 0.0);
  EXPECT_EQ(send<BOOL>(provider, sel("hasContrast")), YES);
  EXPECT_EQ(send<CGFloat>(provider, sel("accumulatedBrightness")), 1.0);
  EXPECT_EQ(send<CGFloat>(provider, sel("accumulatedLuminance")), 1.0);
  EXPECT_EQ(send<BOOL>(make("_UILegibilityView"), sel("usesSecondaryColor")), YES);
  EXPECT_EQ(send<BOOL>(make("_UILegibilityLabel"), sel("usesSecondaryColor")), YES);
  EXPECT_EQ(send<CGFloat>(settings, sel("shadowAlpha")), 0.0);
  id lock = make("SBLockScreenView");
  for (const char* update : {"_updateSlideToUnlockBackground", "_updateBottomGrabberBackground",
                             "_updateTopGrabberBackground", "_updateVibrantViewBackgrounds"})
    send<void>(lock, sel(update));
  EXPECT_EQ(P10::calls + P29::calls + P30::calls + P31::calls + P54::calls + P55::calls +
                P56::calls + P39::calls + P40::calls + P41::calls + P42::calls,
            0);
}

TEST_F(LockScreenTintProbes, GivenColoursAreReplacedByTheUsersBeforeThePlatformSeesThem) {
  struct Case {
    const char* className;
    const char* selector;
    const char* key;
    std::function<id()> received;
  };
  const std::vector<Case> cases{
      {"UILabel", "setColor:", "vmColor6", [] { return std::get<0>(P15::lastArgs); }},
      {"SBChevronView", "setColor:", "vmColor5", [] { return std::get<0>(P53::lastArgs); }},
      {"_UILegibilitySettings", "setPrimaryColor:", "vmColor5",
       [] { return std::get<0>(P57::lastArgs); }},
      {"_UILegibilitySettings", "setSecondaryColor:", "vmColor6",
       [] { return std::get<0>(P58::lastArgs); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " " + c.selector);
    send<void>(make(c.className), sel(c.selector), someColour());
    EXPECT_EQ(rgbaOf(c.received()), userRgba(c.key));
  }
}

TEST_F(LockScreenTintProbes, BlurIsHiddenForEveryRequesterWhateverWasAsked) {
  id glint = make("_UIGlintyStringView");
  id requester = vm::nsString("lock screen");
  send<void>(glint, sel("setBlurHidden:forRequester:"), static_cast<BOOL>(NO), requester);
  EXPECT_EQ(P9::calls, 1);
  EXPECT_EQ(std::get<0>(P9::lastArgs), YES);
  EXPECT_EQ(std::get<1>(P9::lastArgs), requester);
}

TEST_F(LockScreenTintProbes, BannerIsClearedBeforeThePlatformLaysOutItsGrabber) {
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
  EXPECT_EQ(gBackgroundAtLayout, rgbaOf(someColour()));
}

// The stand-ins' own methods below: what the lock screen ends with.
class LockScreenTintTest : public vm::test::AppearanceTest {
 protected:
  void SetUp() override {
    AppearanceTest::SetUp();
    installTweak();
    ENABLED2.store(true);
  }
  id glintView() { return makeView("_UIGlintyStringView", CGRect{{0, 0}, {280, 40}}); }
  static id effectLayer(id glint, NSUInteger index) {
    id layers = send<id>(send<id>(glint, sel("effectView")), vm::sel::subviews);
    return send<id>(layers, vm::sel::objectAtIndex_, index);
  }
};

TEST_F(LockScreenTintTest, WithoutStoredColoursEveryColourIsTheFallback) {
  struct Case {
    const char* what;
    std::function<id()> colourAfterwards;
  };
  const std::vector<Case> cases{
      {"banner grabber colour",
       [] { return send<id>(objc_getClass("SBBannerContextView"), sel("_defaultGrabberColor")); }},
      {"glint label",
       [this] {
         id label = make("UILabel");
         send<void>(glintView(), sel("setLabel:"), label);
         return send<id>(label, vm::sel::textColor);
       }},
      {"glint tint layer",
       [this] {
         id glint = glintView();
         send<void>(glint, vm::sel::layoutSubviews);
         return send<id>(effectLayer(glint, 2), vm::sel::backgroundColor);
       }},
      {"label colour",
       [this] {
         id label = make("UILabel");
         send<void>(label, vm::sel::setColor_, someColour());
         return send<id>(label, vm::sel::textColor);
       }},
      {"chevron",
       [this] {
         id chevron = make("SBChevronView");
         send<void>(chevron, vm::sel::setColor_, someColour());
         return send<id>(chevron, vm::sel::color);
       }},
      {"legibility primary",
       [this] {
         id settings = make("_UILegibilitySettings");
         send<void>(settings, sel("setPrimaryColor:"), someColour());
         return send<id>(settings, sel("primaryColor"));
       }},
      {"legibility secondary",
       [this] {
         id settings = make("_UILegibilitySettings");
         send<void>(settings, sel("setSecondaryColor:"), someColour());
         return send<id>(settings, sel("secondaryColor"));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(rgbaOf(c.colourAfterwards()), fallbackRgba());
  }
}

TEST_F(LockScreenTintTest, AColourChangedInTheFileIsUsedAtTheNextCallWithoutANotification) {
  Class banner = cls("SBBannerContextView");
  storeColour("vmColor5", "#ff0000");
  EXPECT_EQ(rgbaOf(send<id>(banner, sel("_defaultGrabberColor"))), (Rgba{1, 0, 0, 1}));
  storeColour("vmColor5", "#00ff00:0.5");
  EXPECT_EQ(rgbaOf(send<id>(banner, sel("_defaultGrabberColor"))), (Rgba{0, 1, 0, 0.5}));
}

TEST_F(LockScreenTintTest, BannerGrabberIsLaidOutInTheUsersColourOnAClearBanner) {
  storeUserColours();
  id banner = makeView("SBBannerContextView", CGRect{{0, 0}, {320, 80}});
  send<void>(banner, sel("_layoutGrabber"));
  EXPECT_EQ(rgbaOf(send<id>(banner, vm::sel::backgroundColor)), kClear);
  id grabber = send<id>(banner, sel("grabberView"));
  EXPECT_EQ(rgbaOf(send<id>(grabber, vm::sel::backgroundColor)), userRgba("vmColor5"));
}

TEST_F(LockScreenTintTest, LayoutHidesBlurAndGlintAndTintsTheThirdLayerInsteadOfThePlatform) {
  storeUserColours();
  id glint = glintView();
  send<void>(glint, vm::sel::layoutSubviews);
  EXPECT_EQ(send<CGFloat>(effectLayer(glint, 0), vm::sel::alpha), 0.0);
  EXPECT_EQ(send<CGFloat>(effectLayer(glint, 1), vm::sel::alpha), 0.0);
  EXPECT_EQ(rgbaOf(send<id>(effectLayer(glint, 2), vm::sel::backgroundColor)),
            userRgba("vmColor5"));
  EXPECT_EQ(send<NSInteger>(glint, sel("layoutCount")), 0) << "the platform's layout ran";
}

TEST_F(LockScreenTintTest, LayoutWithAShortEffectViewActsOnTheSubviewsThatExist) {
  storeUserColours();
  for (NSUInteger kept : {0u, 1u, 2u}) {
    SCOPED_TRACE(std::to_string(kept) + " effect subviews");
    id glint = glintView();
    std::vector<id> layers;
    for (NSUInteger i = 0; i < 3; ++i) layers.push_back(vm::retain(effectLayer(glint, i)));
    for (NSUInteger i = kept; i < 3; ++i) send<void>(layers[i], vm::sel::removeFromSuperview);
    send<void>(glint, vm::sel::layoutSubviews);
    for (NSUInteger i = 0; i < 3; ++i) {
      bool acted = i < kept;
      if (i < 2)
        EXPECT_EQ(send<CGFloat>(layers[i], vm::sel::alpha), acted ? 0.0 : 1.0) << "layer " << i;
      else
        EXPECT_EQ(send<id>(layers[i], vm::sel::backgroundColor), nil) << "layer " << i;
    }
    for (id layer : layers) vm::release(layer);
  }
}

TEST_F(LockScreenTintTest, LabelBecomesASubviewInTheUsersColourAndNeverReachesThePlatform) {
  storeUserColours();
  id glint = glintView();
  id label = make("UILabel");
  send<void>(label, vm::sel::setBackgroundColor_, someColour());
  send<void>(glint, sel("setLabel:"), label);
  EXPECT_EQ(rgbaOf(send<id>(label, vm::sel::textColor)), userRgba("vmColor6"));
  EXPECT_EQ(rgbaOf(send<id>(label, vm::sel::backgroundColor)), kClear);
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

TEST_F(LockScreenTintTest, WhatTheTintDidStaysWhenItGoesOff) {
  storeUserColours();
  id glint = glintView();
  id label = make("UILabel");
  send<void>(glint, sel("setLabel:"), label);
  send<void>(glint, vm::sel::layoutSubviews);

  ENABLED2.store(false);
  EXPECT_EQ(send<id>(label, vm::sel::superview), glint);
  EXPECT_EQ(send<CGFloat>(effectLayer(glint, 0), vm::sel::alpha), 0.0);
  EXPECT_EQ(send<CGFloat>(effectLayer(glint, 1), vm::sel::alpha), 0.0);
  EXPECT_EQ(rgbaOf(send<id>(label, vm::sel::textColor)), userRgba("vmColor6"));
  // The next calls reach the platform again.
  send<void>(glint, sel("setLabel:"), label);
  EXPECT_EQ(send<id>(glint, sel("label")), label);
}

TEST_F(LockScreenTintTest, LockScreenBackgroundsStayUnpaintedWhileTheTintIsOn) {
  id lock = make("SBLockScreenView");
  const std::vector<std::pair<const char*, const char*>> areas{
      {"_updateSlideToUnlockBackground", "slideToUnlockView"},
      {"_updateBottomGrabberBackground", "bottomGrabberView"},
      {"_updateTopGrabberBackground", "topGrabberView"},
      {"_updateVibrantViewBackgrounds", "vibrantView"},
  };
  for (const auto& [update, area] : areas) send<void>(lock, sel(update));
  for (const auto& [update, area] : areas)
    EXPECT_EQ(send<id>(send<id>(lock, sel(area)), vm::sel::backgroundColor), nil) << update;
  ENABLED2.store(false);
  for (const auto& [update, area] : areas) send<void>(lock, sel(update));
  for (const auto& [update, area] : areas)
    EXPECT_NE(send<id>(send<id>(lock, sel(area)), vm::sel::backgroundColor), nil) << update;
}

}  // namespace
