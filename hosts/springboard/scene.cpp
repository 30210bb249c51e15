#include "hosts/springboard/scene.h"

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

struct Entry {
  View id;
  const char* group;
  const char* name;
  std::vector<int> flags;
  Frame frame;
};

const std::vector<Entry>& entries() {
  static const std::vector<Entry> table = {
      {View::kShowsDate, kLock, "lock screen shows date", {6}, kDateView},
      {View::kStatusBarShown, kLock, "status bar shown", {19}, kStatusBar},
      {View::kStatusBarAlpha, kLock, "status bar alpha", {19}, kStatusBar},
      {View::kStatusBarStyle, kLock, "status bar style", {4}, kStatusBar},
      {View::kFadeInRuns, kLock, "fade-in animations run", {23}, kNone},
      {View::kFadeDuration, kLock, "backlight fade duration", {23}, kNone},
      {View::kDateHidden, kLock, "date hidden", {16}, kDateView},
      {View::kDateLoaded, kLock, "date view loaded", {16}, kDateView},
      {View::kDateObserving, kLock, "date observing changes", {16}, kNone},
      {View::kDateUpdatesDisabled, kLock, "date updates disabled", {16}, kNone},
      {View::kDateUpdatesRun, kLock, "date updates run", {16}, kNone},
      {View::kPreviewCamera, kLock, "preview camera view", {11}, kNone},
      {View::kPreviewDate, kLock, "preview date view", {16}, kNone},
      {View::kPreviewSlideToUnlock, kLock, "preview slide-to-unlock view", {}, kNone},
      {View::kChargingView, kLock, "charging view", {17}, kChargingArea},
      {View::kChargingBatteryVisible, kLock, "charging battery visible", {14}, kChargingArea},
      {View::kChargingViewBatteryVisible,
       kLock,
       "charging view's battery visible",
       {14},
       kChargingArea},
      {View::kCameraGrabber, kLock, "camera grabber image", {11}, kCameraGrabberArea},
      {View::kSlideUpGrabber, kLock, "slide-up grabber image", {11}, kCameraGrabberArea},
      {View::kSlideUpPrepared, kLock, "slide-up animation prepared", {22}, kNone},
      {View::kTopGrabberHidden, kLock, "top grabber hidden", {10}, kTopGrabber},
      {View::kBottomGrabberHidden, kLock, "bottom grabber hidden", {9}, kBottomGrabber},
      {View::kChevronStyle, kLock, "slide-to-unlock chevron style", {18}, kChevron},
      {View::kTextUpdates, kLock, "slide-to-unlock text updates", {18}, kNone},

      {View::kSlideLabel, kLockTint, "slide-to-unlock label", {2}, kSlideToUnlock},
      {View::kSlideTextColour, kLockTint, "slide-to-unlock text colour", {2}, kSlideToUnlock},
      {View::kSlideTextBackground,
       kLockTint,
       "slide-to-unlock text background",
       {2},
       kSlideToUnlock},
      {View::kSlideBlurHidden, kLockTint, "slide-to-unlock blur hidden", {2}, kSlideToUnlock},
      {View::kSlideBlurAlpha, kLockTint, "slide-to-unlock blur alpha", {2}, kSlideToUnlock},
      {View::kSlideGlintAlpha, kLockTint, "slide-to-unlock glint alpha", {2}, kSlideToUnlock},
      {View::kSlideTint, kLockTint, "slide-to-unlock tint", {2}, kSlideToUnlock},
      {View::kChevronOffset, kLockTint, "chevron vertical offset", {2}, kChevron},
      {View::kLabelColour, kLockTint, "lock-screen label colour", {2}, kDateView},
      {View::kChevronColour, kLockTint, "chevron colour", {2}, kChevron},
      {View::kBannerBackground, kLockTint, "banner background", {2}, kBanner},
      {View::kBannerGrabber, kLockTint, "banner grabber", {2}, kBannerGrabber},
      {View::kSlideBackground, kLockTint, "slide-to-unlock background", {2}, kSlideArea},
      {View::kTopGrabberBackground, kLockTint, "top grabber background", {2}, kTopGrabber},
      {View::kBottomGrabberBackground, kLockTint, "bottom grabber background", {2}, kBottomGrabber},
      {View::kVibrantBackground, kLockTint, "vibrant view background", {2}, kNone},
      {View::kLegibilityPrimary, kLockTint, "legibility primary colour", {2}, kNone},
      {View::kLegibilitySecondary, kLockTint, "legibility secondary colour", {2}, kNone},
      {View::kLegibilityShadow, kLockTint, "legibility shadow alpha", {2}, kNone},
      {View::kLegibilityContrast, kLockTint, "legibility contrast", {2}, kNone},
      {View::kLegibilityBrightness, kLockTint, "legibility brightness", {2}, kNone},
      {View::kLegibilityLuminance, kLockTint, "legibility luminance", {2}, kNone},
      {View::kLegibilityViewSecondary, kLockTint, "legibility view secondary colour", {2}, kNone},
      {View::kLegibilityLabelSecondary, kLockTint, "legibility label secondary colour", {2}, kNone},

      {View::kStatusTextDefault,
       kStatusTint,
       "status-bar text (default style)",
       {1, 2},
       kSignalArea},
      {View::kStatusTextLight, kStatusTint, "status-bar text (light style)", {1, 2}, kSignalArea},
      {View::kBatteryHalf, kStatusTint, "battery (50%)", {1}, kBatteryArea},
      {View::kBatteryCharging, kStatusTint, "battery (charging)", {1}, kBatteryArea},
      {View::kStyleRequestKept, kStatusTint, "style request kept", {1, 2}, kNone},
      {View::kStyleBackground, kStatusTint, "style background", {1, 2}, kStatusBar},
      {View::kStyleForeground, kStatusTint, "style foreground", {1, 2}, kTimeArea},
      {View::kActivityIndicator, kStatusTint, "activity indicator", {1, 2}, kActivityArea},
      {View::kActivityIndicatorSets, kStatusTint, "activity indicator colour set", {1, 2}, kNone},
      {View::kRefreshTint, kStatusTint, "refresh control tint", {1}, kNone},

      {View::kBadgeRadius, kItems, "badge corner radius", {24}, kBadge},
      {View::kBadgeBackground, kItems, "badge layer background", {24}, kBadge},
      {View::kBadgeBorderWidth, kItems, "badge border width", {24}, kBadge},
      {View::kBadgeBorderColour, kItems, "badge border colour", {24}, kBadge},
      {View::kIconRadius, kItems, "icon image corner radius", {21}, kIconImage},
      {View::kIconBackground, kItems, "icon image layer background", {21}, kIconImage},
      {View::kIconBorderWidth, kItems, "icon image border width", {21}, kIconImage},
      {View::kIconBorderColour, kItems, "icon image border colour", {21}, kIconImage},
      {View::kIconLabelText, kItems, "icon label text", {8}, kIconLabel},
      {View::kPageControl, kItems, "page control", {7}, kPageDots},
      {View::kActivityItem, kItems, "activity item", {15}, kActivityArea},
      {View::kAirplaneItem, kItems, "airplane-mode item", {13}, kAirplaneArea},
      {View::kTimeItem, kItems, "time item", {12}, kTimeArea},
      {View::kBatteryAccessory, kItems, "battery accessory (unplugged)", {3}, kBatteryArea},
  };
  return table;
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
  for (const Entry& entry : entries())
    views_.push_back(SceneView{entry.id, entry.group, entry.name, entry.flags, entry.frame, {}});
}

void Scene::set(View id, Answer answer) {
  views_[static_cast<size_t>(id)].answer = std::move(answer);
}

Frame frameOf(View id) {
  return entries()[static_cast<size_t>(id)].frame;
}

}  // namespace springboard
