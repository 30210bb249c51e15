// Lock-screen grabbers and chevrons: the banner's grabber, the camera grabber's image,
// the slide-up app grabber, the chevron's colour, and the slide-up controller.
#include "standins/springboard/springboard_internal.h"

namespace vm::springboard {
namespace {

constexpr CGFloat kGrabberWidth = 36;
constexpr CGFloat kGrabberHeight = 5;
constexpr CGFloat kGrabberTop = 5;

// Banner
const IvarRef<id> kGrabberView{"_grabberView"};
const IvarRef<NSInteger> kGrabberLayoutCount{"_grabberLayoutCount"};

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

id grabberView(id self, SEL) {
  return kGrabberView.of(self);
}
NSInteger grabberLayoutCount(id self, SEL) {
  return kGrabberLayoutCount.of(self);
}

void bannerDealloc(id self, SEL) {
  uikit::releaseAndClear(kGrabberView.of(self));
  sendSuper<void>(self, cls::SBBannerContextView, sel::dealloc);
}

// Camera grabber: the image is made once per view and kept.
const IvarRef<id> kCameraImage{"_cameraImage"};

id cameraGrabberImage(id self, SEL) {
  id& image = kCameraImage.of(self);
  if (image == nil)
    image = retain(send<id>(cls::UIImage.get(), sel::imageNamed_, nsString("CameraGrabber")));
  return image;
}

void cameraDealloc(id self, SEL) {
  uikit::releaseAndClear(kCameraImage.of(self));
  sendSuper<void>(self, cls::SBCameraGrabberView, sel::dealloc);
}

// Slide-up app grabber
const IvarRef<id> kGrabberImage{"_grabberImage"};

void setGrabberImage(id self, SEL, id image) {
  uikit::assignRetained(kGrabberImage.of(self), image);
}
id grabberImage(id self, SEL) {
  return kGrabberImage.of(self);
}

void slideUpGrabberDealloc(id self, SEL) {
  uikit::releaseAndClear(kGrabberImage.of(self));
  sendSuper<void>(self, cls::SBSlideUpAppGrabberView, sel::dealloc);
}

// Chevron
const IvarRef<id> kChevronColor{"_chevronColor"};

void setChevronColor(id self, SEL, id color) {
  uikit::assignRetained(kChevronColor.of(self), color);
}
id chevronColor(id self, SEL) {
  return kChevronColor.of(self);
}

void chevronDealloc(id self, SEL) {
  uikit::releaseAndClear(kChevronColor.of(self));
  sendSuper<void>(self, cls::SBChevronView, sel::dealloc);
}

// Slide-up controller
const IvarRef<BOOL> kPrepared{"_preparedForSlideUp"};
const IvarRef<NSInteger> kPreparationCount{"_slideUpPreparationCount"};

void prepareForSlideUpAnimation(id self, SEL) {
  kPrepared.of(self) = YES;
  ++kPreparationCount.of(self);
}
BOOL isPreparedForSlideUp(id self, SEL) {
  return kPrepared.of(self);
}
NSInteger slideUpPreparationCount(id self, SEL) {
  return kPreparationCount.of(self);
}

}  // namespace

void registerGrabberClasses() {
  ReleaseClassBuilder(cls::SBBannerContextView.name(), cls::UIView.name())
      .ivar<id>("_grabberView")
      .ivar<NSInteger>("_grabberLayoutCount")
      .method("_layoutGrabber", layoutGrabber)
      .method("grabberView", grabberView)
      .method("grabberLayoutCount", grabberLayoutCount)
      .method("dealloc", bannerDealloc)
      .classMethod("_defaultGrabberColor", defaultGrabberColor)
      .build();

  ReleaseClassBuilder(cls::SBCameraGrabberView.name(), cls::UIView.name())
      .ivar<id>("_cameraImage")
      .method("_cameraGrabberImage", cameraGrabberImage)
      .method("dealloc", cameraDealloc)
      .build();

  ReleaseClassBuilder(cls::SBSlideUpAppGrabberView.name(), cls::UIView.name())
      .ivar<id>("_grabberImage")
      .method("setGrabberImage:", setGrabberImage)
      .method("grabberImage", grabberImage)
      .method("dealloc", slideUpGrabberDealloc)
      .build();

  ReleaseClassBuilder(cls::SBChevronView.name(), cls::UIView.name())
      .ivar<id>("_chevronColor")
      .method("setColor:", setChevronColor)
      .method("color", chevronColor)
      .method("dealloc", chevronDealloc)
      .build();

  ReleaseClassBuilder(cls::SBLockScreenSlideUpToAppController.name(), cls::NSObject.name())
      .ivar<BOOL>("_preparedForSlideUp")
      .ivar<NSInteger>("_slideUpPreparationCount")
      .method("prepareForSlideUpAnimation", prepareForSlideUpAnimation)
      .method("isPreparedForSlideUp", isPreparedForSlideUp)
      .method("slideUpPreparationCount", slideUpPreparationCount)
      .build();
}

}  // namespace vm::springboard
