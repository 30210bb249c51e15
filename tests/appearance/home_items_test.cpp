// Home-screen items on the stand-ins: the badge and icon-image layer restyles (their order of
// steps, the frame they read, what stays) and the page control given up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "tests/support/hook_probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/feature_flags.h"

namespace vm::test {
namespace {

// Test-only subclasses that note, in order, every step a restyle takes: each `layer` and
// `frame` the view is asked for, and each setter its layer receives.
std::vector<std::string> gSteps;
const vm::ClassRef RecordingLayer{"RecordingLayer"};
const vm::IvarRef<id> kRecordingLayer{"_recordingLayer"};

template <typename T>
void noteLayerSetter(id self, SEL cmd, T value) {
  gSteps.push_back(sel_getName(cmd));
  sendSuper<void>(self, RecordingLayer, cmd, value);
}

id recordingLayer(id self, SEL) {
  gSteps.push_back("layer");
  id& layer = kRecordingLayer.of(self);
  if (layer == nil) layer = send<id>(send<id>(RecordingLayer.get(), vm::sel::alloc), vm::sel::init);
  return layer;
}

// Both recording views are leaves: the class an instance has is the one making the call.
CGRect recordingFrame(id self, SEL cmd) {
  gSteps.push_back("frame");
  return sendSuper<CGRect>(self, object_getClass(self), cmd);
}

void recordingDealloc(id self, SEL cmd) {
  vm::release(kRecordingLayer.of(self));
  sendSuper<void>(self, object_getClass(self), cmd);
}

void buildRecordingClasses() {
  vm::ClassBuilder("RecordingLayer", "CALayer")
      .method("setCornerRadius:", noteLayerSetter<CGFloat>)
      .method("setBackgroundColor:", noteLayerSetter<CGColorRef>)
      .method("setBorderWidth:", noteLayerSetter<CGFloat>)
      .method("setBorderColor:", noteLayerSetter<CGColorRef>)
      .build();
  for (const auto& [name, platformClass] : {std::pair{"RecordingBadgeView", "SBIconBadgeView"},
                                            std::pair{"RecordingIconImageView", "SBIconImageView"}})
    vm::ClassBuilder(name, platformClass)
        .ivar<id>("_recordingLayer")
        .method("layer", recordingLayer)
        .method("frame", recordingFrame)
        .method("dealloc", recordingDealloc)
        .build();
}

// The two restyles: a badge and an icon image.
struct Restyle {
  const char* viewClass;
  std::atomic<bool>* flag;
  CGFloat radiusPerWidth;
  Rgba background;
  CGFloat borderWidth;
  const char* borderKey;
};
const Restyle kRestyles[] = {
    {"RecordingBadgeView", &ENABLED24, 0.125, Rgba{1, 0, 0, 1}, 2.8, "vmColor6"},
    {"RecordingIconImageView", &ENABLED21, 0.25, Rgba{0, 0, 0, 0}, 3.0, "vmColor5"},
};

CGRect wide(CGFloat width) {
  return CGRect{{4, 8}, {width, 60}};
}

class HomeItemsTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    buildRecordingClasses();
    installTweak();
    gSteps.clear();
  }
  static void setFrame(id view, CGRect frame) { send<void>(view, vm::sel::setFrame_, frame); }
  static id layerOf(id view) { return kRecordingLayer.of(view); }
  static CGFloat radiusOf(id view) { return send<CGFloat>(layerOf(view), vm::sel::cornerRadius); }
};

// A view starts zero wide; the settings file first holds no colour, then the user's.
TEST_F(HomeItemsTest, RestyleReadsTheWidthBeforeTheCallAtEveryStepAndTakesNoStepOff) {
  const std::vector<std::string> steps{
      "layer",           "frame", "setCornerRadius:", "layer", "setBackgroundColor:", "layer",
      "setBorderWidth:", "layer", "setBorderColor:"};
  for (const Restyle& r : kRestyles) {
    SCOPED_TRACE(r.viewClass);
    writeSettings("");
    setOnlyFlags({r.flag});
    id view = makeView(r.viewClass, CGRect{});
    setFrame(view, wide(80));
    EXPECT_EQ(radiusOf(view), 0.0) << "a zero-wide view gets radius 0, however wide the frame";
    EXPECT_EQ(componentsOf(send<CGColorRef>(layerOf(view), vm::sel::borderColor)), fallbackRgba());
    storeUserColours();
    setFrame(view, wide(80));
    EXPECT_EQ(radiusOf(view), 80 * r.radiusPerWidth);
    gSteps.clear();
    setFrame(view, wide(48));
    EXPECT_EQ(gSteps, steps);
    id layer = layerOf(view);
    EXPECT_EQ(radiusOf(view), 80 * r.radiusPerWidth) << "the width before the call";
    EXPECT_EQ(componentsOf(send<CGColorRef>(layer, vm::sel::backgroundColor)), r.background);
    EXPECT_EQ(send<CGFloat>(layer, vm::sel::borderWidth), r.borderWidth);
    EXPECT_EQ(componentsOf(send<CGColorRef>(layer, vm::sel::borderColor)), userRgba(r.borderKey));
    EXPECT_EQ(send<CGRect>(view, vm::sel::frame), wide(48)) << "the frame reaches the platform";
    EXPECT_EQ(send<NSInteger>(view, sel("frameChangeCount")), 3);
    setFrame(view, wide(48));
    EXPECT_EQ(radiusOf(view), 48 * r.radiusPerWidth);

    // Off, the restyle takes no step at all: the layer keeps what it was given, and the frame
    // goes to the platform as it came (the forwarding test).
    r.flag->store(false);
    gSteps.clear();
    setFrame(view, wide(100));
    EXPECT_EQ(gSteps, std::vector<std::string>{});
  }
}

// A page control that notes its deallocation, and how many page controls the platform
// counted as live at that moment (its own initialiser counts them).
int gPageControlDeallocs = 0;
NSInteger gLiveAtDealloc = -1;
const vm::ClassRef NotingPageControl{"NotingPageControl"};
void notingDealloc(id self, SEL cmd) {
  ++gPageControlDeallocs;
  gLiveAtDealloc =
      send<NSInteger>(objc_getClass("SBIconListPageControl"), sel("liveInstanceCount"));
  sendSuper<void>(self, NotingPageControl, cmd);
}

TEST_F(HomeItemsTest, APageControlIsInitialisedThenReleasedAndItsCreatorGetsNil) {
  vm::ClassBuilder("NotingPageControl", "SBIconListPageControl")
      .method("dealloc", notingDealloc)
      .build();
  auto create = [] {
    return send<id>(send<id>(NotingPageControl.get(), vm::sel::alloc), vm::sel::initWithFrame_,
                    wide(120));
  };
  auto live = [] {
    return send<NSInteger>(objc_getClass("SBIconListPageControl"), sel("liveInstanceCount"));
  };

  ENABLED7.store(true);
  EXPECT_EQ(create(), nil);
  EXPECT_EQ(gPageControlDeallocs, 1) << "the initialised object was really freed";
  EXPECT_EQ(gLiveAtDealloc, 1) << "the platform's initialiser had run";
  EXPECT_EQ(live(), 0);

  ENABLED7.store(false);
  id control = create();
  ASSERT_NE(control, nil);
  EXPECT_EQ(vm::retainCount(control), 1u);
  EXPECT_EQ(live(), 1);
  vm::release(control);
  EXPECT_EQ(gPageControlDeallocs, 2);
}

}  // namespace
}  // namespace vm::test
