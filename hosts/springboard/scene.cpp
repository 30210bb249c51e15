#include "hosts/springboard/scene.h"

#include <iterator>

#include "bridge/selectors.h"
#include "tweak/hook_keys.h"

namespace springboard {
namespace {

constexpr const char* kLock = "Lock screen";
constexpr const char* kLockTint = "Lock-screen tint";
constexpr const char* kStatusTint = "Status-bar tint";
constexpr const char* kItems = "Home screen and status-bar items";

// Places on a 320 x 568 point screen. Widths matter beyond the picture: a badge or icon
// image rounds its corners by its width.
constexpr Frame kNone{};
constexpr Frame kStatusBar{0, 0, 320, 20};
constexpr Frame kDateView{0, 60, 320, 90};
constexpr Frame kChargingArea{110, 250, 100, 60};
constexpr Frame kCameraGrabberArea{284, 526, 24, 24};
constexpr Frame kTopGrabber{140, 26, 40, 6};
constexpr Frame kBottomGrabber{140, 552, 40, 6};
constexpr Frame kSlideToUnlock{20, 470, 280, 40};
constexpr Frame kSlideArea{0, 450, 320, 80};
constexpr Frame kChevron{30, 484, 12, 12};
constexpr Frame kBanner{8, 170, 304, 56};
constexpr Frame kBannerGrabber{140, 216, 40, 5};
constexpr Frame kBadge{60, 34, 24, 24};
constexpr Frame kIconImage{16, 40, 60, 60};
constexpr Frame kIconLabel{16, 102, 60, 14};
constexpr Frame kPageDots{0, 500, 320, 20};
constexpr Frame kActivityArea{60, 3, 14, 14};
constexpr Frame kAirplaneArea{80, 3, 14, 14};
constexpr Frame kTimeArea{136, 0, 48, 20};
constexpr Frame kBatteryArea{280, 5, 30, 10};
constexpr Frame kSignalArea{6, 6, 44, 8};

namespace cls = vm::cls;
namespace sel = vm::sel;
using velmotint::HookKeys;

// The hook row that drives a view: the view's switches are the flags that row reads.
template <const vm::ClassRef& C, const vm::SelRef& S>
constexpr const HookKeys* row() {
  return velmotint::hookKeysOf<C, S>();
}

struct Entry {
  View id;
  const char* group;
  const char* name;
  const HookKeys* row;
  Frame frame;
};

constexpr Entry kEntries[] = {
    {View::kShowsDate, kLock, "lock screen shows date",
     row<cls::SBLockScreenViewController, sel::p_shouldShowDate>(), kDateView},
    {View::kStatusBarShown, kLock, "status bar shown",
     row<cls::SBLockScreenViewController, sel::showsSpringBoardStatusBar>(), kStatusBar},
    {View::kStatusBarAlpha, kLock, "status bar alpha",
     row<cls::SBLockScreenViewController, sel::p_effectiveVisibleStatusBarAlpha>(), kStatusBar},
    {View::kStatusBarStyle, kLock, "status bar style",
     row<cls::SBLockScreenViewController, sel::statusBarStyle>(), kStatusBar},
    {View::kFadeInRuns, kLock, "fade-in animations run",
     row<cls::SBLockScreenViewController, sel::startLockScreenFadeInAnimationForSource_>(), kNone},
    {View::kFadeDuration, kLock, "backlight fade duration",
     row<cls::SBFadeAnimationSettings, sel::backlightFadeDuration>(), kNone},
    {View::kDateHidden, kLock, "date hidden",
     row<cls::SBLockScreenDateViewController, sel::isDateHidden>(), kDateView},
    {View::kDateLoaded, kLock, "date view loaded",
     row<cls::SBLockScreenDateViewController, sel::loadView>(), kDateView},
    {View::kDateObserving, kLock, "date observing changes",
     row<cls::SBLockScreenDateViewController, sel::p_addObservers>(), kNone},
    {View::kDateUpdatesDisabled, kLock, "date updates disabled",
     row<cls::SBLockScreenDateViewController, sel::disablesUpdates>(), kNone},
    {View::kDateUpdatesRun, kLock, "date updates run",
     row<cls::SBLockScreenDateViewController, sel::p_updateView>(), kNone},
    {View::kPreviewCamera, kLock, "preview camera view",
     row<cls::SBLockScreenPreviewView, sel::p_setupCameraView>(), kNone},
    {View::kPreviewDate, kLock, "preview date view",
     row<cls::SBLockScreenPreviewView, sel::p_setupDateView>(), kNone},
    {View::kPreviewSlideToUnlock, kLock, "preview slide-to-unlock view",
     row<cls::SBLockScreenPreviewView, sel::p_setupSlideToUnlockView>(), kNone},
    {View::kChargingView, kLock, "charging view",
     row<cls::SBLockScreenBatteryChargingViewController, sel::chargingView>(), kChargingArea},
    {View::kChargingBatteryVisible, kLock, "charging battery visible",
     row<cls::SBLockScreenBatteryChargingViewController, sel::batteryVisible>(), kChargingArea},
    {View::kChargingViewBatteryVisible, kLock, "charging view's battery visible",
     row<cls::SBLockScreenBatteryChargingView, sel::batteryVisible>(), kChargingArea},
    {View::kCameraGrabber, kLock, "camera grabber image",
     row<cls::SBCameraGrabberView, sel::p_cameraGrabberImage>(), kCameraGrabberArea},
    {View::kSlideUpGrabber, kLock, "slide-up grabber image",
     row<cls::SBSlideUpAppGrabberView, sel::setGrabberImage_>(), kCameraGrabberArea},
    {View::kSlideUpPrepared, kLock, "slide-up animation prepared",
     row<cls::SBLockScreenSlideUpToAppController, sel::prepareForSlideUpAnimation>(), kNone},
    {View::kTopGrabberHidden, kLock, "top grabber hidden",
     row<cls::SBLockScreenView, sel::setTopGrabberHidden_forRequester_>(), kTopGrabber},
    {View::kBottomGrabberHidden, kLock, "bottom grabber hidden",
     row<cls::SBLockScreenView, sel::setBottomGrabberHidden_forRequester_>(), kBottomGrabber},
    {View::kChevronStyle, kLock, "slide-to-unlock chevron style",
     row<cls::p_UIGlintyStringView, sel::setChevronStyle_>(), kChevron},
    {View::kTextUpdates, kLock, "slide-to-unlock text updates",
     row<cls::p_UIGlintyStringView, sel::updateText>(), kNone},

    {View::kSlideLabel, kLockTint, "slide-to-unlock label",
     row<cls::p_UIGlintyStringView, sel::setLabel_>(), kSlideToUnlock},
    {View::kSlideTextColour, kLockTint, "slide-to-unlock text colour",
     row<cls::p_UIGlintyStringView, sel::setLabel_>(), kSlideToUnlock},
    {View::kSlideTextBackground, kLockTint, "slide-to-unlock text background",
     row<cls::p_UIGlintyStringView, sel::setLabel_>(), kSlideToUnlock},
    {View::kSlideBlurHidden, kLockTint, "slide-to-unlock blur hidden",
     row<cls::p_UIGlintyStringView, sel::setBlurHidden_forRequester_>(), kSlideToUnlock},
    {View::kSlideBlurAlpha, kLockTint, "slide-to-unlock blur alpha",
     row<cls::p_UIGlintyStringView, sel::layoutSubviews>(), kSlideToUnlock},
    {View::kSlideGlintAlpha, kLockTint, "slide-to-unlock glint alpha",
     row<cls::p_UIGlintyStringView, sel::layoutSubviews>(), kSlideToUnlock},
    {View::kSlideTint, kLockTint, "slide-to-unlock tint",
     row<cls::p_UIGlintyStringView, sel::layoutSubviews>(), kSlideToUnlock},
    {View::kChevronOffset, kLockTint, "chevron vertical offset",
     row<cls::p_UIGlintyStringView, sel::p_chevronVerticalOffset>(), kChevron},
    {View::kLabelColour, kLockTint, "lock-screen label colour", row<cls::UILabel, sel::setColor_>(),
     kDateView},
    {View::kChevronColour, kLockTint, "chevron colour", row<cls::SBChevronView, sel::setColor_>(),
     kChevron},
    {View::kBannerBackground, kLockTint, "banner background",
     row<cls::SBBannerContextView, sel::p_layoutGrabber>(), kBanner},
    {View::kBannerGrabber, kLockTint, "banner grabber",
     row<cls::SBBannerContextView, sel::p_defaultGrabberColor>(), kBannerGrabber},
    {View::kSlideBackground, kLockTint, "slide-to-unlock background",
     row<cls::SBLockScreenView, sel::p_updateSlideToUnlockBackground>(), kSlideArea},
    {View::kTopGrabberBackground, kLockTint, "top grabber background",
     row<cls::SBLockScreenView, sel::p_updateTopGrabberBackground>(), kTopGrabber},
    {View::kBottomGrabberBackground, kLockTint, "bottom grabber background",
     row<cls::SBLockScreenView, sel::p_updateBottomGrabberBackground>(), kBottomGrabber},
    {View::kVibrantBackground, kLockTint, "vibrant view background",
     row<cls::SBLockScreenView, sel::p_updateVibrantViewBackgrounds>(), kNone},
    {View::kLegibilityPrimary, kLockTint, "legibility primary colour",
     row<cls::p_UILegibilitySettings, sel::setPrimaryColor_>(), kNone},
    {View::kLegibilitySecondary, kLockTint, "legibility secondary colour",
     row<cls::p_UILegibilitySettings, sel::setSecondaryColor_>(), kNone},
    {View::kLegibilityShadow, kLockTint, "legibility shadow alpha",
     row<cls::p_UILegibilitySettings, sel::shadowAlpha>(), kNone},
    {View::kLegibilityContrast, kLockTint, "legibility contrast",
     row<cls::p_UILegibilitySettingsProvider, sel::hasContrast>(), kNone},
    {View::kLegibilityBrightness, kLockTint, "legibility brightness",
     row<cls::p_UILegibilitySettingsProvider, sel::accumulatedBrightness>(), kNone},
    {View::kLegibilityLuminance, kLockTint, "legibility luminance",
     row<cls::p_UILegibilitySettingsProvider, sel::accumulatedLuminance>(), kNone},
    {View::kLegibilityViewSecondary, kLockTint, "legibility view secondary colour",
     row<cls::p_UILegibilityView, sel::usesSecondaryColor>(), kNone},
    {View::kLegibilityLabelSecondary, kLockTint, "legibility label secondary colour",
     row<cls::p_UILegibilityLabel, sel::usesSecondaryColor>(), kNone},

    {View::kStatusTextDefault, kStatusTint, "status-bar text (default style)",
     row<cls::UIStatusBarNewUIForegroundStyleAttributes, sel::textColorForStyle_>(), kSignalArea},
    {View::kStatusTextLight, kStatusTint, "status-bar text (light style)",
     row<cls::UIStatusBarNewUIForegroundStyleAttributes, sel::textColorForStyle_>(), kSignalArea},
    {View::kBatteryHalf, kStatusTint, "battery (50%)",
     row<cls::UIStatusBarNewUIForegroundStyleAttributes,
         sel::p_batteryColorForCapacity_lowCapacity_charging_>(),
     kBatteryArea},
    {View::kBatteryCharging, kStatusTint, "battery (charging)",
     row<cls::UIStatusBarNewUIForegroundStyleAttributes,
         sel::p_batteryColorForCapacity_lowCapacity_charging_>(),
     kBatteryArea},
    {View::kStyleRequestKept, kStatusTint, "style request kept",
     row<cls::UIStatusBarNewUIStyleAttributes,
         sel::initWithRequest_backgroundColor_foregroundColor_>(),
     kNone},
    {View::kStyleBackground, kStatusTint, "style background",
     row<cls::UIStatusBarNewUIStyleAttributes,
         sel::initWithRequest_backgroundColor_foregroundColor_>(),
     kStatusBar},
    {View::kStyleForeground, kStatusTint, "style foreground",
     row<cls::UIStatusBarNewUIStyleAttributes,
         sel::initWithRequest_backgroundColor_foregroundColor_>(),
     kTimeArea},
    {View::kActivityIndicator, kStatusTint, "activity indicator",
     row<cls::UIActivityIndicatorView, sel::setColor_>(), kActivityArea},
    {View::kActivityIndicatorSets, kStatusTint, "activity indicator colour set",
     row<cls::UIActivityIndicatorView, sel::setColor_>(), kNone},
    {View::kRefreshTint, kStatusTint, "refresh control tint",
     row<cls::p_UIRefreshControlModernContentView, sel::setTintColor_>(), kNone},

    {View::kBadgeRadius, kItems, "badge corner radius", row<cls::SBIconBadgeView, sel::setFrame_>(),
     kBadge},
    {View::kBadgeBackground, kItems, "badge layer background",
     row<cls::SBIconBadgeView, sel::setFrame_>(), kBadge},
    {View::kBadgeBorderWidth, kItems, "badge border width",
     row<cls::SBIconBadgeView, sel::setFrame_>(), kBadge},
    {View::kBadgeBorderColour, kItems, "badge border colour",
     row<cls::SBIconBadgeView, sel::setFrame_>(), kBadge},
    {View::kIconRadius, kItems, "icon image corner radius",
     row<cls::SBIconImageView, sel::setFrame_>(), kIconImage},
    {View::kIconBackground, kItems, "icon image layer background",
     row<cls::SBIconImageView, sel::setFrame_>(), kIconImage},
    {View::kIconBorderWidth, kItems, "icon image border width",
     row<cls::SBIconImageView, sel::setFrame_>(), kIconImage},
    {View::kIconBorderColour, kItems, "icon image border colour",
     row<cls::SBIconImageView, sel::setFrame_>(), kIconImage},
    {View::kIconLabelText, kItems, "icon label text",
     row<cls::SBIconLabelImageParameters, sel::text>(), kIconLabel},
    {View::kPageControl, kItems, "page control",
     row<cls::SBIconListPageControl, sel::initWithFrame_>(), kPageDots},
    {View::kActivityItem, kItems, "activity item",
     row<cls::SBStatusBarStateAggregator, sel::p_updateActivityItem>(), kActivityArea},
    {View::kAirplaneItem, kItems, "airplane-mode item",
     row<cls::SBStatusBarStateAggregator, sel::p_updateAirplaneMode>(), kAirplaneArea},
    {View::kTimeItem, kItems, "time item",
     row<cls::SBStatusBarStateAggregator, sel::p_updateTimeItems>(), kTimeArea},
    {View::kBatteryAccessory, kItems, "battery accessory (unplugged)",
     row<cls::UIStatusBarBatteryItemView, sel::p_needsAccessoryImage>(), kBatteryArea},
};
static_assert(std::size(kEntries) == kViewCount, "one entry per view");

constexpr bool everyViewStandsAtItsPlace() {
  for (size_t i = 0; i < std::size(kEntries); ++i)
    if (kEntries[i].id != static_cast<View>(i)) return false;
  return true;
}
static_assert(everyViewStandsAtItsPlace(), "each view stands at its place");

std::vector<int> flagsOf(const HookKeys& row) {
  std::vector<int> flags;
  for (int n : row.flags)
    if (n != 0) flags.push_back(n);
  return flags;
}

Answer make(Answer::Kind kind) {
  Answer answer;
  answer.kind = kind;
  return answer;
}

}  // namespace

Answer yesNo(bool value) {
  Answer a = make(Answer::Kind::kYesNo);
  a.yes = value;
  return a;
}
Answer number(double value) {
  Answer a = make(Answer::Kind::kNumber);
  a.number = value;
  return a;
}
Answer seconds(double value) {
  Answer a = make(Answer::Kind::kSeconds);
  a.number = value;
  return a;
}
Answer count(long value) {
  Answer a = make(Answer::Kind::kCount);
  a.number = static_cast<double>(value);
  return a;
}
Answer times(long value) {
  Answer a = make(Answer::Kind::kTimes);
  a.number = static_cast<double>(value);
  return a;
}
Answer colour(std::optional<Colour> value) {
  Answer a = make(Answer::Kind::kColour);
  a.colour = value;
  return a;
}
Answer state(bool present, const std::string& text) {
  Answer a = make(Answer::Kind::kState);
  a.yes = present;
  a.text = text;
  return a;
}
Answer style(long value, const std::string& meaning) {
  Answer a = make(Answer::Kind::kStyle);
  a.number = static_cast<double>(value);
  a.text = meaning;
  return a;
}

Answer absent(const std::string& why) {
  Answer a = make(Answer::Kind::kAbsent);
  a.text = why;
  return a;
}

Scene::Scene() {
  views_.reserve(kViewCount);
  for (const Entry& entry : kEntries)
    views_.push_back(
        SceneView{entry.id, entry.group, entry.name, flagsOf(*entry.row), entry.frame, {}});
}

void Scene::set(View id, Answer answer) {
  views_[static_cast<size_t>(id)].answer = std::move(answer);
}

Frame frameOf(View id) {
  return kEntries[static_cast<size_t>(id)].frame;
}

}  // namespace springboard
