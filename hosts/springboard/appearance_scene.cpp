#include "bridge/foundation.h"
#include "hosts/springboard/report_objects.h"
#include "hosts/springboard/scene_builder.h"
#include "standins/springboard/springboard.h"
#include "standins/uikit/uikit.h"

namespace springboard {
namespace {

using vm::send;
namespace sb = vm::springboard::cls;
namespace ui = vm::uikit::cls;

// What SpringBoard sends while it lays out and colours these views (a loaded tweak
// answers some of them), and the stand-ins' read-back getters.
const vm::SelRef setLabel_{"setLabel:"};
const vm::SelRef labelGetter{"label"};
const vm::SelRef setBlurHidden_forRequester_{"setBlurHidden:forRequester:"};
const vm::SelRef isBlurHidden{"isBlurHidden"};
const vm::SelRef effectView{"effectView"};
const vm::SelRef chevronVerticalOffset{"_chevronVerticalOffset"};
const vm::SelRef layoutGrabber{"_layoutGrabber"};
const vm::SelRef grabberView{"grabberView"};
const vm::SelRef setStyle_{"setStyle:"};
const vm::SelRef setPrimaryColor_{"setPrimaryColor:"};
const vm::SelRef setSecondaryColor_{"setSecondaryColor:"};
const vm::SelRef primaryColor{"primaryColor"};
const vm::SelRef secondaryColor{"secondaryColor"};
const vm::SelRef shadowAlpha{"shadowAlpha"};
const vm::SelRef addSampleColor_{"addSampleColor:"};
const vm::SelRef hasContrast{"hasContrast"};
const vm::SelRef accumulatedBrightness{"accumulatedBrightness"};
const vm::SelRef accumulatedLuminance{"accumulatedLuminance"};
const vm::SelRef setSettings_{"setSettings:"};
const vm::SelRef usesSecondaryColor{"usesSecondaryColor"};
const vm::SelRef textColorForStyle_{"textColorForStyle:"};
const vm::SelRef batteryColor{"_batteryColorForCapacity:lowCapacity:charging:"};
const vm::SelRef initWithRequest{"initWithRequest:backgroundColor:foregroundColor:"};
const vm::SelRef request{"request"};
const vm::SelRef foregroundColor{"foregroundColor"};
const vm::SelRef colorChangeCount{"colorChangeCount"};
const vm::SelRef initWithText_{"initWithText:"};
const vm::SelRef setAirplaneModeEnabled_{"setAirplaneModeEnabled:"};
const vm::SelRef updateActivityItem{"_updateActivityItem"};
const vm::SelRef noteAirplaneModeChanged{"_noteAirplaneModeChanged"};
const vm::SelRef updateTimeItems{"_updateTimeItems"};
const vm::SelRef isActivityItemVisible{"isActivityItemVisible"};
const vm::SelRef isAirplaneModeItemVisible{"isAirplaneModeItemVisible"};
const vm::SelRef timeUpdateCount{"timeUpdateCount"};
const vm::SelRef setCharging_{"setCharging:"};
const vm::SelRef needsAccessoryImage{"_needsAccessoryImage"};

// The lock screen's areas whose background SpringBoard updates, with their getters.
struct BackgroundArea {
  View shown;
  vm::SelRef update;
  vm::SelRef view;
};
const BackgroundArea kLockScreenAreas[] = {
    {View::kSlideBackground, vm::SelRef{"_updateSlideToUnlockBackground"},
     vm::SelRef{"slideToUnlockView"}},
    {View::kTopGrabberBackground, vm::SelRef{"_updateTopGrabberBackground"},
     vm::SelRef{"topGrabberView"}},
    {View::kBottomGrabberBackground, vm::SelRef{"_updateBottomGrabberBackground"},
     vm::SelRef{"bottomGrabberView"}},
    {View::kVibrantBackground, vm::SelRef{"_updateVibrantViewBackgrounds"},
     vm::SelRef{"vibrantView"}},
};

Answer colourOf(id object) {
  return colour(coloursOf(object));
}
Answer colourOf(CGColorRef object) {
  return colour(coloursOf(object));
}

id makeColour(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  return send<id>(ui::UIColor.get(), vm::sel::colorWithRed_green_blue_alpha_, red, green, blue,
                  alpha);
}
id white() {
  return makeColour(1, 1, 1, 1);
}

id effectLayer(id glint, NSUInteger index) {
  id layers = send<id>(send<id>(glint, effectView), vm::sel::subviews);
  if (index >= send<NSUInteger>(layers, vm::sel::count)) return nil;
  return send<id>(layers, vm::sel::objectAtIndex_, index);
}

void reportSlideToUnlock(ReportObjects& objects, Scene& out) {
  id glint = objects.view(ui::GlintyStringView, View::kSlideTint);
  id label = objects.view(ui::UILabel, CGRect{{0, 0}, {200, 30}});
  send<void>(label, vm::sel::setText_, vm::nsString("slide to unlock"));
  send<void>(glint, setLabel_, label);
  send<void>(glint, setBlurHidden_forRequester_, static_cast<BOOL>(NO),
             vm::nsString("SpringBoard"));
  send<void>(glint, vm::sel::layoutSubviews);

  bool subview = send<id>(label, vm::sel::superview) == glint;
  bool set = send<id>(glint, labelGetter) == label;
  out.set(View::kSlideLabel,
          state(subview || set, subview ? "added as a subview" : (set ? "set" : "none")));
  out.set(View::kSlideTextColour, colourOf(send<id>(label, vm::sel::textColor)));
  out.set(View::kSlideTextBackground, colourOf(send<id>(label, vm::sel::backgroundColor)));
  out.set(View::kSlideBlurHidden, yesNo(send<BOOL>(glint, isBlurHidden)));
  out.set(View::kSlideBlurAlpha, number(send<CGFloat>(effectLayer(glint, 0), vm::sel::alpha)));
  out.set(View::kSlideGlintAlpha, number(send<CGFloat>(effectLayer(glint, 1), vm::sel::alpha)));
  out.set(View::kSlideTint, colourOf(send<id>(effectLayer(glint, 2), vm::sel::backgroundColor)));
  out.set(View::kChevronOffset, number(send<CGFloat>(glint, chevronVerticalOffset)));
}

void reportLabelsAndGrabbers(ReportObjects& objects, Scene& out) {
  id label = objects.view(ui::UILabel, View::kLabelColour);
  send<void>(label, vm::sel::setColor_, white());
  out.set(View::kLabelColour, colourOf(send<id>(label, vm::sel::textColor)));

  id chevron = objects.view(sb::SBChevronView, View::kChevronColour);
  send<void>(chevron, vm::sel::setColor_, white());
  out.set(View::kChevronColour, colourOf(send<id>(chevron, vm::sel::color)));

  id banner = objects.view(sb::SBBannerContextView, View::kBannerBackground);
  send<void>(banner, vm::sel::setBackgroundColor_, makeColour(0, 0, 0, 0.6));
  // Releases before 8.0 have banners without a grabber, and SpringBoard never lays one out.
  if (send<BOOL>(banner, vm::sel::respondsToSelector_, static_cast<SEL>(layoutGrabber)))
    send<void>(banner, layoutGrabber);
  out.set(View::kBannerBackground, colourOf(send<id>(banner, vm::sel::backgroundColor)));
  out.set(View::kBannerGrabber,
          colourOf(send<id>(send<id>(banner, grabberView), vm::sel::backgroundColor)));

  id lockView = objects.view(sb::SBLockScreenView, CGRect{{0, 0}, {320, 568}});
  for (const BackgroundArea& area : kLockScreenAreas) {
    send<void>(lockView, area.update);
    out.set(area.shown,
            colourOf(send<id>(send<id>(lockView, area.view), vm::sel::backgroundColor)));
  }
}

void reportLegibility(ReportObjects& objects, Scene& out) {
  id settings = objects.make(ui::LegibilitySettings);
  send<void>(settings, setStyle_, NSInteger{1});
  send<void>(settings, setPrimaryColor_, white());
  send<void>(settings, setSecondaryColor_, makeColour(0.5, 0.5, 0.5, 1));
  out.set(View::kLegibilityPrimary, colourOf(send<id>(settings, primaryColor)));
  out.set(View::kLegibilitySecondary, colourOf(send<id>(settings, secondaryColor)));
  out.set(View::kLegibilityShadow, number(send<CGFloat>(settings, shadowAlpha)));

  // A dark wallpaper behind the text.
  id provider = objects.make(ui::LegibilitySettingsProvider);
  send<void>(provider, addSampleColor_, makeColour(0.1, 0.1, 0.15, 1));
  out.set(View::kLegibilityContrast, yesNo(send<BOOL>(provider, hasContrast)));
  out.set(View::kLegibilityBrightness, number(send<CGFloat>(provider, accumulatedBrightness)));
  out.set(View::kLegibilityLuminance, number(send<CGFloat>(provider, accumulatedLuminance)));

  // Settings without a secondary colour: the platform's view and label use the primary.
  id plain = objects.make(ui::LegibilitySettings);
  id view = objects.view(ui::LegibilityView, CGRect{{0, 0}, {100, 20}});
  id label = objects.view(ui::LegibilityLabel, CGRect{{0, 0}, {100, 20}});
  send<void>(view, setSettings_, plain);
  send<void>(label, setSettings_, plain);
  out.set(View::kLegibilityViewSecondary, yesNo(send<BOOL>(view, usesSecondaryColor)));
  out.set(View::kLegibilityLabelSecondary, yesNo(send<BOOL>(label, usesSecondaryColor)));
}

void reportStatusBar(ReportObjects& objects, Scene& out) {
  id foreground = objects.make(ui::StatusBarForegroundStyleAttributes);
  out.set(View::kStatusTextDefault,
          colourOf(send<id>(foreground, textColorForStyle_, NSInteger{0})));
  out.set(View::kStatusTextLight, colourOf(send<id>(foreground, textColorForStyle_, NSInteger{1})));
  out.set(View::kBatteryHalf, colourOf(send<id>(foreground, batteryColor, CGFloat{0.5},
                                                CGFloat{0.2}, static_cast<BOOL>(NO))));
  out.set(View::kBatteryCharging, colourOf(send<id>(foreground, batteryColor, CGFloat{0.5},
                                                    CGFloat{0.2}, static_cast<BOOL>(YES))));

  id attributes = objects.keep(
      send<id>(send<id>(ui::StatusBarStyleAttributes.get(), vm::sel::alloc), initWithRequest,
               vm::nsString("default request"), makeColour(0, 0, 0, 1), white()));
  out.set(View::kStyleRequestKept, yesNo(send<id>(attributes, request) != nil));
  out.set(View::kStyleBackground, colourOf(send<id>(attributes, vm::sel::backgroundColor)));
  out.set(View::kStyleForeground, colourOf(send<id>(attributes, foregroundColor)));

  id spinner = objects.view(ui::UIActivityIndicatorView, View::kActivityIndicator);
  send<void>(spinner, vm::sel::setColor_, white());
  out.set(View::kActivityIndicator, colourOf(send<id>(spinner, vm::sel::color)));
  out.set(View::kActivityIndicatorSets, times(send<NSInteger>(spinner, colorChangeCount)));

  id refresh = objects.view(ui::RefreshControlContentView, CGRect{{0, 0}, {320, 60}});
  send<void>(refresh, vm::sel::setTintColor_, makeColour(0.5, 0.5, 0.5, 1));
  out.set(View::kRefreshTint, colourOf(send<id>(refresh, vm::sel::tintColor)));
}

// A badge or icon image laid out once more at the frame it has, as SpringBoard does when
// an icon list relayouts.
// The four views of a layer's look, in the scene's order: radius, background, border
// width, border colour.
void reportLayer(ReportObjects& objects, Scene& out, Class viewClass, View radius) {
  auto next = [radius](int step) { return static_cast<View>(static_cast<int>(radius) + step); };
  id view = objects.view(viewClass, radius);
  send<void>(view, vm::sel::setFrame_, rectOf(radius));
  id layer = send<id>(view, vm::sel::layer);
  out.set(radius, number(send<CGFloat>(layer, vm::sel::cornerRadius)));
  out.set(next(1), colourOf(send<CGColorRef>(layer, vm::sel::backgroundColor)));
  out.set(next(2), number(send<CGFloat>(layer, vm::sel::borderWidth)));
  out.set(next(3), colourOf(send<CGColorRef>(layer, vm::sel::borderColor)));
}

void reportHomeScreen(ReportObjects& objects, Scene& out) {
  reportLayer(objects, out, sb::SBIconBadgeView, View::kBadgeRadius);
  reportLayer(objects, out, sb::SBIconImageView, View::kIconRadius);

  id parameters =
      objects.keep(send<id>(send<id>(sb::SBIconLabelImageParameters.get(), vm::sel::alloc),
                            initWithText_, vm::nsString("Mail")));
  id text = send<id>(parameters, vm::sel::text);
  out.set(View::kIconLabelText, state(text != nil, text != nil ? "\"" + vm::stdString(text) + "\""
                                                               : "none (suppressed)"));

  // The initialiser's answer is the creator's to keep; nil means nothing was created.
  id pageControl = objects.keep(send<id>(send<id>(sb::SBIconListPageControl.get(), vm::sel::alloc),
                                         vm::sel::initWithFrame_, rectOf(View::kPageControl)));
  out.set(View::kPageControl,
          state(pageControl != nil, pageControl != nil ? "created" : "none (suppressed)"));
}

void reportStatusBarItems(ReportObjects& objects, Scene& out) {
  id aggregator = objects.make(sb::SBStatusBarStateAggregator);
  send<void>(aggregator, setAirplaneModeEnabled_, static_cast<BOOL>(YES));
  send<void>(aggregator, updateActivityItem);
  send<void>(aggregator, noteAirplaneModeChanged);
  send<void>(aggregator, updateTimeItems);
  auto shown = [](bool updated) {
    return state(updated, updated ? "updated" : "not updated (suppressed)");
  };
  out.set(View::kActivityItem, shown(send<BOOL>(aggregator, isActivityItemVisible)));
  out.set(View::kAirplaneItem, shown(send<BOOL>(aggregator, isAirplaneModeItemVisible)));
  out.set(View::kTimeItem, shown(send<NSInteger>(aggregator, timeUpdateCount) > 0));

  id battery = objects.view(ui::StatusBarBatteryItemView, View::kBatteryAccessory);
  send<void>(battery, setCharging_, static_cast<BOOL>(NO));
  out.set(View::kBatteryAccessory, yesNo(send<BOOL>(battery, needsAccessoryImage)));
}

}  // namespace

void buildAppearance(ReportObjects& objects, Scene& out) {
  reportSlideToUnlock(objects, out);
  reportLabelsAndGrabbers(objects, out);
  reportLegibility(objects, out);
  reportStatusBar(objects, out);
  reportHomeScreen(objects, out);
  reportStatusBarItems(objects, out);
}

}  // namespace springboard
