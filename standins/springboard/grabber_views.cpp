// Lock-screen grabbers and chevrons: the banner's grabber, the camera grabber's image,
// the slide-up app grabber, the chevron's colour, and the slide-up controller.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGFloat kGrabberWidth = 36;
constexpr CGFloat kGrabberHeight = 5;
constexpr CGFloat kGrabberTop = 5;

// Banner
const RetainProperty kGrabberView{"_grabberView", "grabberView", nullptr};
const AssignProperty<NSInteger> kGrabberLayoutCount{"_grabberLayoutCount", "grabberLayoutCount",
                                                    nullptr};

id defaultGrabberColor(id, SEL) {
  return uikit::rgbaColor(1, 1, 1, 0.5);
}

// The grabber takes its colour from the class method each time, through the class, so a
// replaced class method shows in every banner.
void layoutGrabber(id self, SEL) {
  CGRect bounds = send<CGRect>(self, sel::bounds);
  CGRect frame{{(bounds.size.width - kGrabberWidth) / 2, kGrabberTop},
               {kGrabberWidth, kGrabberHeight}};
  id& grabber = kGrabberView.of(self);
  if (grabber == nil) grabber = addNewSubview(self, cls::UIView, frame);
  send<void>(grabber, sel::setFrame_, frame);
  id color = send<id>(asId(object_getClass(self)), sel::p_defaultGrabberColor);
  send<void>(grabber, sel::setBackgroundColor_, color);
  ++kGrabberLayoutCount.of(self);
}

// Camera grabber: the image is made once per view and kept.
const RetainProperty kCameraImage{"_cameraImage", nullptr, nullptr};

id cameraGrabberImage(id self, SEL) {
  id& image = kCameraImage.of(self);
  if (image == nil)
    image = retain(send<id>(cls::UIImage.get(), sel::imageNamed_, nsString("CameraGrabber")));
  return image;
}

// Slide-up app grabber
const RetainProperty kGrabberImage{"_grabberImage", "grabberImage", "setGrabberImage:"};

// Chevron
const RetainProperty kChevronColor{"_chevronColor", "color", "setColor:"};

// Slide-up controller
const AssignProperty<BOOL> kPrepared{"_preparedForSlideUp", "isPreparedForSlideUp", nullptr};
const AssignProperty<NSInteger> kPreparationCount{"_slideUpPreparationCount",
                                                  "slideUpPreparationCount", nullptr};

void prepareForSlideUpAnimation(id self, SEL) {
  kPrepared.of(self) = YES;
  ++kPreparationCount.of(self);
}

}  // namespace

void registerGrabberClasses() {
  ReleaseClassBuilder(cls::SBBannerContextView.name(), cls::UIView.name())
      .property<kGrabberView>()
      .property<kGrabberLayoutCount>()
      .method("_layoutGrabber", layoutGrabber)
      .classMethod("_defaultGrabberColor", defaultGrabberColor)
      .build();

  ReleaseClassBuilder(cls::SBCameraGrabberView.name(), cls::UIView.name())
      .property<kCameraImage>()
      .method("_cameraGrabberImage", cameraGrabberImage)
      .build();

  ReleaseClassBuilder(cls::SBSlideUpAppGrabberView.name(), cls::UIView.name())
      .property<kGrabberImage>()
      .build();

  ReleaseClassBuilder(cls::SBChevronView.name(), cls::UIView.name())
      .property<kChevronColor>()
      .build();

  ReleaseClassBuilder(cls::SBLockScreenSlideUpToAppController.name(), cls::NSObject.name())
      .property<kPrepared>()
      .property<kPreparationCount>()
      .method("prepareForSlideUpAnimation", prepareForSlideUpAnimation)
      .build();
}

}  // namespace vm::springboard
