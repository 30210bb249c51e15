#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene_builder.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

using vm::send;
namespace cls = vm::cls;
namespace sel = vm::sel;

// The lock screen's areas whose background SpringBoard updates, with their getters.
struct BackgroundArea {
  View shown;
  const vm::SelRef& update;
  const vm::SelRef& view;
};
const BackgroundArea kLockScreenAreas[] = {
    {View::kSlideBackground, sel::p_updateSlideToUnlockBackground, sel::slideToUnlockView},
    {View::kTopGrabberBackground, sel::p_updateTopGrabberBackground, sel::topGrabberView},
    {View::kBottomGrabberBackground, sel::p_updateBottomGrabberBackground, sel::bottomGrabberView},
    {View::kVibrantBackground, sel::p_updateVibrantViewBackgrounds, sel::vibrantView},
};

Answer colourOf(id object) {
  return colour(coloursOf(object));
}
Answer colourOf(CGColorRef object) {
  return colour(coloursOf(object));
}

id makeColour(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  return send<id>(cls::UIColor.get(), sel::colorWithRed_green_blue_alpha_, red, green, blue, alpha);
}
id white() {
  return makeColour(1, 1, 1, 1);
}

id effectLayer(id glint, NSUInteger index) {
  id layers = send<id>(send<id>(glint, sel::effectView), sel::subviews);
  if (index >= send<NSUInteger>(layers, sel::count)) return nil;
  return send<id>(layers, sel::objectAtIndex_, index);
}

void reportSlideToUnlock(ReportObjects& objects, Scene& out) {
  id glint = objects.view(cls::p_UIGlintyStringView, View::kSlideTint);
  id label = objects.view(cls::UILabel, CGRect{{0, 0}, {200, 30}});
  send<void>(label, sel::setText_, vm::nsString("slide to unlock"));
  send<void>(glint, sel::setLabel_, label);
  send<void>(glint, sel::setBlurHidden_forRequester_, static_cast<BOOL>(NO),
             vm::nsString("SpringBoard"));
  send<void>(glint, sel::layoutSubviews);

  bool subview = send<id>(label, sel::superview) == glint;
  bool set = send<id>(glint, sel::label) == label;
  out.set(View::kSlideLabel,
          state(subview || set, subview ? "added as a subview" : (set ? "set" : "none")));
  out.set(View::kSlideTextColour, colourOf(send<id>(label, sel::textColor)));
  out.set(View::kSlideTextBackground, colourOf(send<id>(label, sel::backgroundColor)));
  out.set(View::kSlideBlurHidden, yesNo(send<BOOL>(glint, sel::isBlurHidden)));
  out.set(View::kSlideBlurAlpha, number(send<CGFloat>(effectLayer(glint, 0), sel::alpha)));
  out.set(View::kSlideGlintAlpha, number(send<CGFloat>(effectLayer(glint, 1), sel::alpha)));
  out.set(View::kSlideTint, colourOf(send<id>(effectLayer(glint, 2), sel::backgroundColor)));
  out.set(View::kChevronOffset, number(send<CGFloat>(glint, sel::p_chevronVerticalOffset)));
}

void reportLabelsAndGrabbers(ReportObjects& objects, Scene& out) {
  id label = objects.view(cls::UILabel, View::kLabelColour);
  send<void>(label, sel::setColor_, white());
  out.set(View::kLabelColour, colourOf(send<id>(label, sel::textColor)));

  id chevron = objects.view(cls::SBChevronView, View::kChevronColour);
  send<void>(chevron, sel::setColor_, white());
  out.set(View::kChevronColour, colourOf(send<id>(chevron, sel::color)));

  id banner = objects.view(cls::SBBannerContextView, View::kBannerBackground);
  send<void>(banner, sel::setBackgroundColor_, makeColour(0, 0, 0, 0.6));
  // Releases before 8.0 have banners without a grabber, and SpringBoard never lays one out.
  if (send<BOOL>(banner, sel::respondsToSelector_, static_cast<SEL>(sel::p_layoutGrabber)))
    send<void>(banner, sel::p_layoutGrabber);
  out.set(View::kBannerBackground, colourOf(send<id>(banner, sel::backgroundColor)));
  out.set(View::kBannerGrabber,
          colourOf(send<id>(send<id>(banner, sel::grabberView), sel::backgroundColor)));

  id lockView = objects.view(cls::SBLockScreenView, CGRect{{0, 0}, {320, 568}});
  for (const BackgroundArea& area : kLockScreenAreas) {
    send<void>(lockView, area.update);
    out.set(area.shown, colourOf(send<id>(send<id>(lockView, area.view), sel::backgroundColor)));
  }
}

void reportLegibility(ReportObjects& objects, Scene& out) {
  id settings = objects.make(cls::p_UILegibilitySettings);
  send<void>(settings, sel::setStyle_, NSInteger{1});
  send<void>(settings, sel::setPrimaryColor_, white());
  send<void>(settings, sel::setSecondaryColor_, makeColour(0.5, 0.5, 0.5, 1));
  out.set(View::kLegibilityPrimary, colourOf(send<id>(settings, sel::primaryColor)));
  out.set(View::kLegibilitySecondary, colourOf(send<id>(settings, sel::secondaryColor)));
  out.set(View::kLegibilityShadow, number(send<CGFloat>(settings, sel::shadowAlpha)));

  // A dark wallpaper behind the text.
  id provider = objects.make(cls::p_UILegibilitySettingsProvider);
  send<void>(provider, sel::addSampleColor_, makeColour(0.1, 0.1, 0.15, 1));
  out.set(View::kLegibilityContrast, yesNo(send<BOOL>(provider, sel::hasContrast)));
  out.set(View::kLegibilityBrightness, number(send<CGFloat>(provider, sel::accumulatedBrightness)));
  out.set(View::kLegibilityLuminance, number(send<CGFloat>(provider, sel::accumulatedLuminance)));

  // Settings without a secondary colour: the platform's view and label use the primary.
  id plain = objects.make(cls::p_UILegibilitySettings);
  id view = objects.view(cls::p_UILegibilityView, CGRect{{0, 0}, {100, 20}});
  id label = objects.view(cls::p_UILegibilityLabel, CGRect{{0, 0}, {100, 20}});
  send<void>(view, sel::setSettings_, plain);
  send<void>(label, sel::setSettings_, plain);
  out.set(View::kLegibilityViewSecondary, yesNo(send<BOOL>(view, sel::usesSecondaryColor)));
  out.set(View::kLegibilityLabelSecondary, yesNo(send<BOOL>(label, sel::usesSecondaryColor)));
}

void reportStatusBar(ReportObjects& objects, Scene& out) {
  id foreground = objects.make(cls::UIStatusBarNewUIForegroundStyleAttributes);
  out.set(View::kStatusTextDefault,
          colourOf(send<id>(foreground, sel::textColorForStyle_, NSInteger{0})));
  out.set(View::kStatusTextLight,
          colourOf(send<id>(foreground, sel::textColorForStyle_, NSInteger{1})));
  out.set(View::kBatteryHalf,
          colourOf(send<id>(foreground, sel::p_batteryColorForCapacity_lowCapacity_charging_,
                            CGFloat{0.5}, CGFloat{0.2}, static_cast<BOOL>(NO))));
  out.set(View::kBatteryCharging,
          colourOf(send<id>(foreground, sel::p_batteryColorForCapacity_lowCapacity_charging_,
                            CGFloat{0.5}, CGFloat{0.2}, static_cast<BOOL>(YES))));

  id attributes =
      objects.keep(send<id>(send<id>(cls::UIStatusBarNewUIStyleAttributes.get(), sel::alloc),
                            sel::initWithRequest_backgroundColor_foregroundColor_,
                            vm::nsString("default sel::request"), makeColour(0, 0, 0, 1), white()));
  out.set(View::kStyleRequestKept, yesNo(send<id>(attributes, sel::request) != nil));
  out.set(View::kStyleBackground, colourOf(send<id>(attributes, sel::backgroundColor)));
  out.set(View::kStyleForeground, colourOf(send<id>(attributes, sel::foregroundColor)));

  id spinner = objects.view(cls::UIActivityIndicatorView, View::kActivityIndicator);
  send<void>(spinner, sel::setColor_, white());
  out.set(View::kActivityIndicator, colourOf(send<id>(spinner, sel::color)));
  out.set(View::kActivityIndicatorSets, times(send<NSInteger>(spinner, sel::colorChangeCount)));

  id refresh = objects.view(cls::p_UIRefreshControlModernContentView, CGRect{{0, 0}, {320, 60}});
  send<void>(refresh, sel::setTintColor_, makeColour(0.5, 0.5, 0.5, 1));
  out.set(View::kRefreshTint, colourOf(send<id>(refresh, sel::tintColor)));
}

// A badge or icon image laid out once more at the frame it has, as SpringBoard does when
// an icon list relayouts.
// The four views of a layer's look, in the scene's order: radius, background, border
// width, border colour.
void reportLayer(ReportObjects& objects, Scene& out, Class viewClass, View radius, bool lasting) {
  auto next = [radius](int step) { return static_cast<View>(static_cast<int>(radius) + step); };
  id view = lasting ? lastingView(viewClass, radius) : objects.view(viewClass, radius);
  send<void>(view, sel::setFrame_, rectOf(radius));
  id layer = send<id>(view, sel::layer);
  out.set(radius, number(send<CGFloat>(layer, sel::cornerRadius)));
  out.set(next(1), colourOf(send<CGColorRef>(layer, sel::backgroundColor)));
  out.set(next(2), number(send<CGFloat>(layer, sel::borderWidth)));
  out.set(next(3), colourOf(send<CGColorRef>(layer, sel::borderColor)));
}

void reportHomeScreen(ReportObjects& objects, Scene& out, bool lasting) {
  reportLayer(objects, out, cls::SBIconBadgeView, View::kBadgeRadius, lasting);
  reportLayer(objects, out, cls::SBIconImageView, View::kIconRadius, lasting);

  id parameters = objects.keep(send<id>(send<id>(cls::SBIconLabelImageParameters.get(), sel::alloc),
                                        sel::initWithText_, vm::nsString("Mail")));
  id text = send<id>(parameters, sel::text);
  out.set(View::kIconLabelText, state(text != nil, text != nil ? "\"" + vm::stdString(text) + "\""
                                                               : "none (suppressed)"));

  // The initialiser's answer is the creator's to keep; nil means nothing was created.
  id pageControl = objects.keep(send<id>(send<id>(cls::SBIconListPageControl.get(), sel::alloc),
                                         sel::initWithFrame_, rectOf(View::kPageControl)));
  out.set(View::kPageControl,
          state(pageControl != nil, pageControl != nil ? "created" : "none (suppressed)"));
}

void reportStatusBarItems(ReportObjects& objects, Scene& out) {
  id aggregator = objects.make(cls::SBStatusBarStateAggregator);
  send<void>(aggregator, sel::setAirplaneModeEnabled_, static_cast<BOOL>(YES));
  send<void>(aggregator, sel::p_updateActivityItem);
  send<void>(aggregator, sel::p_noteAirplaneModeChanged);
  send<void>(aggregator, sel::p_updateTimeItems);
  auto shown = [](bool updated) {
    return state(updated, updated ? "updated" : "not updated (suppressed)");
  };
  out.set(View::kActivityItem, shown(send<BOOL>(aggregator, sel::isActivityItemVisible)));
  out.set(View::kAirplaneItem, shown(send<BOOL>(aggregator, sel::isAirplaneModeItemVisible)));
  out.set(View::kTimeItem, shown(send<NSInteger>(aggregator, sel::timeUpdateCount) > 0));

  id battery = objects.view(cls::UIStatusBarBatteryItemView, View::kBatteryAccessory);
  send<void>(battery, sel::setCharging_, static_cast<BOOL>(NO));
  // iOS 6's battery item has no such question (an unknown message would raise).
  if (send<BOOL>(battery, sel::respondsToSelector_, static_cast<SEL>(sel::p_needsAccessoryImage)))
    out.set(View::kBatteryAccessory, yesNo(send<BOOL>(battery, sel::p_needsAccessoryImage)));
}

}  // namespace

void buildAppearance(ReportObjects& objects, Scene& out, bool lasting) {
  reportSlideToUnlock(objects, out);
  reportLabelsAndGrabbers(objects, out);
  reportLegibility(objects, out);
  reportStatusBar(objects, out);
  reportHomeScreen(objects, out, lasting);
  reportStatusBarItems(objects, out);
}

}  // namespace springboard
