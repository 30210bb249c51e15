#include "hosts/springboard/appearance_report.h"

#include <cmath>
#include <cstdio>

#include "bridge/foundation.h"
#include "hosts/springboard/report_text.h"
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
  const char* label;
  vm::SelRef update;
  vm::SelRef view;
};
const BackgroundArea kLockScreenAreas[] = {
    {"slide-to-unlock background", vm::SelRef{"_updateSlideToUnlockBackground"},
     vm::SelRef{"slideToUnlockView"}},
    {"top grabber background", vm::SelRef{"_updateTopGrabberBackground"},
     vm::SelRef{"topGrabberView"}},
    {"bottom grabber background", vm::SelRef{"_updateBottomGrabberBackground"},
     vm::SelRef{"bottomGrabberView"}},
    {"vibrant view background", vm::SelRef{"_updateVibrantViewBackgrounds"},
     vm::SelRef{"vibrantView"}},
};

std::string number(CGFloat value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
  return text;
}

// "#rrggbb alpha 0.50"
std::string colourText(const vm::uikit::Rgba& c) {
  auto byte = [](CGFloat v) { return static_cast<int>(std::lround(v * 255)); };
  char text[48];
  std::snprintf(text, sizeof text, "#%02x%02x%02x alpha %.2f", byte(c.red), byte(c.green),
                byte(c.blue), static_cast<double>(c.alpha));
  return text;
}
std::string colourText(id colour) {
  return colour == nil ? "none" : colourText(vm::uikit::componentsOf(colour));
}
std::string colourText(CGColorRef colour) {
  return colour == nullptr ? "none" : colourText(vm::uikit::componentsOf(colour));
}

id colour(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
  return send<id>(ui::UIColor.get(), vm::sel::colorWithRed_green_blue_alpha_, red, green, blue,
                  alpha);
}
id white() {
  return colour(1, 1, 1, 1);
}

id effectLayer(id glint, NSUInteger index) {
  id layers = send<id>(send<id>(glint, effectView), vm::sel::subviews);
  if (index >= send<NSUInteger>(layers, vm::sel::count)) return nil;
  return send<id>(layers, vm::sel::objectAtIndex_, index);
}

void reportSlideToUnlock(ReportObjects& objects, ReportLines& out) {
  id glint = objects.view(ui::GlintyStringView, CGRect{{20, 470}, {280, 40}});
  id label = objects.view(ui::UILabel, CGRect{{0, 0}, {200, 30}});
  send<void>(label, vm::sel::setText_, vm::nsString("slide to unlock"));
  send<void>(glint, setLabel_, label);
  send<void>(glint, setBlurHidden_forRequester_, static_cast<BOOL>(NO),
             vm::nsString("SpringBoard"));
  send<void>(glint, vm::sel::layoutSubviews);

  bool subview = send<id>(label, vm::sel::superview) == glint;
  bool set = send<id>(glint, labelGetter) == label;
  out.add("slide-to-unlock label", subview ? "added as a subview" : (set ? "set" : "none"));
  out.add("slide-to-unlock text colour", colourText(send<id>(label, vm::sel::textColor)));
  out.add("slide-to-unlock text background", colourText(send<id>(label, vm::sel::backgroundColor)));
  out.add("slide-to-unlock blur hidden", yesNo(send<BOOL>(glint, isBlurHidden)));
  out.add("slide-to-unlock blur alpha",
          number(send<CGFloat>(effectLayer(glint, 0), vm::sel::alpha)));
  out.add("slide-to-unlock glint alpha",
          number(send<CGFloat>(effectLayer(glint, 1), vm::sel::alpha)));
  out.add("slide-to-unlock tint",
          colourText(send<id>(effectLayer(glint, 2), vm::sel::backgroundColor)));
  out.add("chevron vertical offset", number(send<CGFloat>(glint, chevronVerticalOffset)));
}

void reportLabelsAndGrabbers(ReportObjects& objects, ReportLines& out) {
  id label = objects.view(ui::UILabel, CGRect{{0, 120}, {320, 40}});
  send<void>(label, vm::sel::setColor_, white());
  out.add("lock-screen label colour", colourText(send<id>(label, vm::sel::textColor)));

  id chevron = objects.view(sb::SBChevronView, CGRect{{150, 480}, {20, 12}});
  send<void>(chevron, vm::sel::setColor_, white());
  out.add("chevron colour", colourText(send<id>(chevron, vm::sel::color)));

  id banner = objects.view(sb::SBBannerContextView, CGRect{{0, 0}, {320, 80}});
  send<void>(banner, vm::sel::setBackgroundColor_, colour(0, 0, 0, 0.6));
  // Releases before 8.0 have banners without a grabber, and SpringBoard never lays one out.
  if (send<BOOL>(banner, vm::sel::respondsToSelector_, static_cast<SEL>(layoutGrabber)))
    send<void>(banner, layoutGrabber);
  out.add("banner background", colourText(send<id>(banner, vm::sel::backgroundColor)));
  out.add("banner grabber",
          colourText(send<id>(send<id>(banner, grabberView), vm::sel::backgroundColor)));

  id lockView = objects.view(sb::SBLockScreenView, CGRect{{0, 0}, {320, 568}});
  for (const BackgroundArea& area : kLockScreenAreas) {
    send<void>(lockView, area.update);
    out.add(area.label,
            colourText(send<id>(send<id>(lockView, area.view), vm::sel::backgroundColor)));
  }
}

void reportLegibility(ReportObjects& objects, ReportLines& out) {
  id settings = objects.make(ui::LegibilitySettings);
  send<void>(settings, setStyle_, NSInteger{1});
  send<void>(settings, setPrimaryColor_, white());
  send<void>(settings, setSecondaryColor_, colour(0.5, 0.5, 0.5, 1));
  out.add("legibility primary colour", colourText(send<id>(settings, primaryColor)));
  out.add("legibility secondary colour", colourText(send<id>(settings, secondaryColor)));
  out.add("legibility shadow alpha", number(send<CGFloat>(settings, shadowAlpha)));

  // A dark wallpaper behind the text.
  id provider = objects.make(ui::LegibilitySettingsProvider);
  send<void>(provider, addSampleColor_, colour(0.1, 0.1, 0.15, 1));
  out.add("legibility contrast", yesNo(send<BOOL>(provider, hasContrast)));
  out.add("legibility brightness", number(send<CGFloat>(provider, accumulatedBrightness)));
  out.add("legibility luminance", number(send<CGFloat>(provider, accumulatedLuminance)));

  // Settings without a secondary colour: the platform's view and label use the primary.
  id plain = objects.make(ui::LegibilitySettings);
  id view = objects.view(ui::LegibilityView, CGRect{{0, 0}, {100, 20}});
  id label = objects.view(ui::LegibilityLabel, CGRect{{0, 0}, {100, 20}});
  send<void>(view, setSettings_, plain);
  send<void>(label, setSettings_, plain);
  out.add("legibility view secondary colour", yesNo(send<BOOL>(view, usesSecondaryColor)));
  out.add("legibility label secondary colour", yesNo(send<BOOL>(label, usesSecondaryColor)));
}

void reportStatusBar(ReportObjects& objects, ReportLines& out) {
  id foreground = objects.make(ui::StatusBarForegroundStyleAttributes);
  out.add("status-bar text (default style)",
          colourText(send<id>(foreground, textColorForStyle_, NSInteger{0})));
  out.add("status-bar text (light style)",
          colourText(send<id>(foreground, textColorForStyle_, NSInteger{1})));
  out.add("battery (50%)",
          colourText(send<id>(foreground, batteryColor, 0.5, 0.2, static_cast<BOOL>(NO))));
  out.add("battery (charging)",
          colourText(send<id>(foreground, batteryColor, 0.5, 0.2, static_cast<BOOL>(YES))));

  id attributes = objects.keep(
      send<id>(send<id>(ui::StatusBarStyleAttributes.get(), vm::sel::alloc), initWithRequest,
               vm::nsString("default request"), colour(0, 0, 0, 1), white()));
  out.add("style request kept", yesNo(send<id>(attributes, request) != nil));
  out.add("style background", colourText(send<id>(attributes, vm::sel::backgroundColor)));
  out.add("style foreground", colourText(send<id>(attributes, foregroundColor)));

  id spinner = objects.view(ui::UIActivityIndicatorView, CGRect{{0, 0}, {20, 20}});
  send<void>(spinner, vm::sel::setColor_, white());
  out.add("activity indicator", colourText(send<id>(spinner, vm::sel::color)));
  NSInteger sets = send<NSInteger>(spinner, colorChangeCount);
  out.add("activity indicator colour set",
          sets == 1 ? "once" : (sets == 2 ? "twice" : std::to_string(sets) + " times"));

  id refresh = objects.view(ui::RefreshControlContentView, CGRect{{0, 0}, {320, 60}});
  send<void>(refresh, vm::sel::setTintColor_, colour(0.5, 0.5, 0.5, 1));
  out.add("refresh control tint", colourText(send<id>(refresh, vm::sel::tintColor)));
}

// A badge or icon image laid out once more at the frame it has, as SpringBoard does when
// an icon list relayouts.
void reportLayer(ReportObjects& objects, ReportLines& out, Class viewClass, CGRect frame,
                 const char* name) {
  id view = objects.view(viewClass, frame);
  send<void>(view, vm::sel::setFrame_, frame);
  id layer = send<id>(view, vm::sel::layer);
  std::string prefix(name);
  out.add((prefix + " corner radius").c_str(), number(send<CGFloat>(layer, vm::sel::cornerRadius)));
  out.add((prefix + " layer background").c_str(),
          colourText(send<CGColorRef>(layer, vm::sel::backgroundColor)));
  out.add((prefix + " border width").c_str(), number(send<CGFloat>(layer, vm::sel::borderWidth)));
  out.add((prefix + " border colour").c_str(),
          colourText(send<CGColorRef>(layer, vm::sel::borderColor)));
}

void reportHomeScreen(ReportObjects& objects, ReportLines& out) {
  reportLayer(objects, out, sb::SBIconBadgeView, CGRect{{44, -6}, {24, 24}}, "badge");
  reportLayer(objects, out, sb::SBIconImageView, CGRect{{0, 0}, {60, 60}}, "icon image");

  id parameters =
      objects.keep(send<id>(send<id>(sb::SBIconLabelImageParameters.get(), vm::sel::alloc),
                            initWithText_, vm::nsString("Mail")));
  id text = send<id>(parameters, vm::sel::text);
  out.add("icon label text", text != nil ? "\"" + vm::stdString(text) + "\"" : "none (suppressed)");

  // The initialiser's answer is the creator's to keep; nil means nothing was created.
  id pageControl = objects.keep(send<id>(send<id>(sb::SBIconListPageControl.get(), vm::sel::alloc),
                                         vm::sel::initWithFrame_, CGRect{{0, 500}, {320, 20}}));
  out.add("page control", pageControl != nil ? "created" : "none (suppressed)");
}

void reportStatusBarItems(ReportObjects& objects, ReportLines& out) {
  id aggregator = objects.make(sb::SBStatusBarStateAggregator);
  send<void>(aggregator, setAirplaneModeEnabled_, static_cast<BOOL>(YES));
  send<void>(aggregator, updateActivityItem);
  send<void>(aggregator, noteAirplaneModeChanged);
  send<void>(aggregator, updateTimeItems);
  auto shown = [](bool updated) {
    return std::string(updated ? "updated" : "not updated (suppressed)");
  };
  out.add("activity item", shown(send<BOOL>(aggregator, isActivityItemVisible)));
  out.add("airplane-mode item", shown(send<BOOL>(aggregator, isAirplaneModeItemVisible)));
  out.add("time item", shown(send<NSInteger>(aggregator, timeUpdateCount) > 0));

  id battery = objects.view(ui::StatusBarBatteryItemView, CGRect{{280, 0}, {30, 20}});
  send<void>(battery, setCharging_, static_cast<BOOL>(NO));
  out.add("battery accessory (unplugged)", yesNo(send<BOOL>(battery, needsAccessoryImage)));
}

}  // namespace

std::string appearanceReport() {
  vm::AutoreleasePool pool;
  ReportObjects objects;
  ReportLines out;
  out.heading("Lock-screen tint");
  reportSlideToUnlock(objects, out);
  reportLabelsAndGrabbers(objects, out);
  reportLegibility(objects, out);
  out.heading("Status-bar tint");
  reportStatusBar(objects, out);
  out.heading("Home screen and status-bar items");
  reportHomeScreen(objects, out);
  reportStatusBarItems(objects, out);
  return out.text();
}

}  // namespace springboard
