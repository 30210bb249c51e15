#include "hosts/springboard/release_views.h"

#include <objc/runtime.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "standins/releases/ios_release.h"

namespace springboard {
namespace {

using vm::releases::Release;

// The views from `first` to `last` (in the scene's order) are made by `className`, and
// need `selector` of it when one is named; `part` names them for the picture.
struct Source {
  View first, last;
  const char* className;
  const char* selector;
  const char* part;  // what a user sees of them
};

const Source kSources[] = {
    {View::kShowsDate, View::kFadeInRuns, "SBLockScreenViewController", nullptr, "lock screen"},
    {View::kFadeDuration, View::kFadeDuration, "SBFadeAnimationSettings", nullptr,
     "backlight fade"},
    {View::kDateHidden, View::kDateUpdatesRun, "SBLockScreenDateViewController", nullptr, "date"},
    {View::kPreviewCamera, View::kPreviewSlideToUnlock, "SBLockScreenPreviewView", nullptr,
     "lock-screen preview"},
    {View::kChargingView, View::kChargingBatteryVisible,
     "SBLockScreenBatteryChargingViewController", nullptr, "charging view"},
    {View::kChargingViewBatteryVisible, View::kChargingViewBatteryVisible,
     "SBLockScreenBatteryChargingView", nullptr, "charging view"},
    {View::kCameraGrabber, View::kCameraGrabber, "SBCameraGrabberView", nullptr, "camera grabber"},
    {View::kSlideUpGrabber, View::kSlideUpGrabber, "SBSlideUpAppGrabberView", nullptr,
     "slide-up grabber"},
    {View::kSlideUpPrepared, View::kSlideUpPrepared, "SBLockScreenSlideUpToAppController", nullptr,
     "slide-up animation"},
    {View::kTopGrabberHidden, View::kBottomGrabberHidden, "SBLockScreenView", nullptr, "grabbers"},
    {View::kChevronStyle, View::kChevronOffset, "_UIGlintyStringView", nullptr, "slide to unlock"},
    {View::kLabelColour, View::kLabelColour, "UILabel", nullptr, "labels"},
    {View::kChevronColour, View::kChevronColour, "SBChevronView", nullptr, "chevron"},
    {View::kBannerBackground, View::kBannerBackground, "SBBannerContextView", nullptr, "banner"},
    {View::kBannerGrabber, View::kBannerGrabber, "SBBannerContextView", "_layoutGrabber",
     "banner grabber"},
    {View::kSlideBackground, View::kVibrantBackground, "SBLockScreenView", nullptr,
     "lock-screen backgrounds"},
    {View::kLegibilityPrimary, View::kLegibilityShadow, "_UILegibilitySettings", nullptr,
     "legibility"},
    {View::kLegibilityContrast, View::kLegibilityLuminance, "_UILegibilitySettingsProvider",
     nullptr, "legibility"},
    {View::kLegibilityViewSecondary, View::kLegibilityViewSecondary, "_UILegibilityView", nullptr,
     "legibility"},
    {View::kLegibilityLabelSecondary, View::kLegibilityLabelSecondary, "_UILegibilityLabel",
     nullptr, "legibility"},
    {View::kStatusTextDefault, View::kBatteryCharging, "UIStatusBarNewUIForegroundStyleAttributes",
     nullptr, "status-bar text and battery"},
    {View::kStyleRequestKept, View::kStyleForeground, "UIStatusBarNewUIStyleAttributes", nullptr,
     "status-bar style"},
    {View::kActivityIndicator, View::kActivityIndicatorSets, "UIActivityIndicatorView", nullptr,
     "activity indicator"},
    {View::kRefreshTint, View::kRefreshTint, "_UIRefreshControlModernContentView", nullptr,
     "refresh control"},
    {View::kBadgeRadius, View::kBadgeBorderColour, "SBIconBadgeView", nullptr, "badge"},
    {View::kIconRadius, View::kIconBorderColour, "SBIconImageView", nullptr, "icon images"},
    {View::kIconLabelText, View::kIconLabelText, "SBIconLabelImageParameters", nullptr,
     "icon labels"},
    {View::kPageControl, View::kPageControl, "SBIconListPageControl", nullptr, "page dots"},
    {View::kActivityItem, View::kTimeItem, "SBStatusBarStateAggregator", nullptr,
     "status-bar items"},
    {View::kBatteryAccessory, View::kBatteryAccessory, "UIStatusBarBatteryItemView",
     "_needsAccessoryImage", "battery accessory"},
};

// What a release without the class has instead, where the class-dumps say; `release`
// Complete stands for every release, and `className` for every class it begins.
struct Instead {
  const char* className;
  Release release;
  const char* text;
};

const Instead kInstead[] = {
    {"_UIGlintyStringView", Release::iOS7_0, "SBFGlintyStringView draws it, untouched"},
    {"_UIGlintyStringView", Release::iOS6, "SBAwayLockBar draws it, untouched"},
    {"SBCameraGrabberView", Release::iOS6, "SBAwayLockBar draws it, untouched"},
    {"SBCameraGrabberView", Release::Complete, "the slide-up grabber shows the camera"},
    {"SBSlideUpAppGrabberView", Release::Complete, "none before iOS 8"},
    {"SBLockScreenSlideUpToAppController", Release::Complete, "none before iOS 8"},
    {"UIStatusBarNewUIForegroundStyleAttributes", Release::iOS6,
     "SBStatusBarDataManager feeds it, untouched"},
    {"UIStatusBarNewUIForegroundStyleAttributes", Release::Complete,
     "UIStatusBarForegroundStyleAttributes draws it, untouched"},
    {"UIStatusBarNewUIStyleAttributes", Release::Complete,
     "SBStatusBarDataManager feeds it, untouched"},
    {"SBStatusBarStateAggregator", Release::Complete, "SBStatusBarDataManager feeds it, untouched"},
    {"SBIconBadgeView", Release::Complete, "SBIconBadgeImage draws it, untouched"},
    {"_UILegibility", Release::Complete, "none before iOS 7"},
    {"_UIRefreshControlModernContentView", Release::Complete,
     "UIRefreshControl draws it, untouched"},
};

const char* kLockScreenOfIos6 = "SBAwayController and SBAwayView draw it, untouched";

std::string insteadOf(const Source& source, Release release) {
  if (source.selector != nullptr && objc_getClass(source.className) != nullptr)
    return std::string("no -[") + source.className + " " + source.selector + "] here";
  for (const Instead& entry : kInstead)
    if (std::strncmp(entry.className, source.className, std::strlen(entry.className)) == 0 &&
        (entry.release == release || entry.release == Release::Complete))
      return entry.text;
  if (release == Release::iOS6 && std::strncmp(source.className, "SB", 2) == 0)
    return kLockScreenOfIos6;
  return std::string("no ") + source.className + " here";
}

bool present(const Source& source) {
  Class found = objc_getClass(source.className);
  if (found == nullptr) return false;
  return source.selector == nullptr ||
         class_getInstanceMethod(found, sel_registerName(source.selector)) != nullptr;
}

}  // namespace

void markAbsentViews(Scene& scene) {
  Release release = vm::releases::currentRelease();
  for (const Source& source : kSources) {
    if (present(source)) continue;
    Answer why = absent(insteadOf(source, release));
    for (int v = static_cast<int>(source.first); v <= static_cast<int>(source.last); ++v)
      scene.set(static_cast<View>(v), why);
  }
}

std::vector<std::string> absentNotes() {
  Release release = vm::releases::currentRelease();
  std::vector<std::pair<std::string, std::string>> notes;  // why -> parts
  for (const Source& source : kSources) {
    if (present(source)) continue;
    std::string why = insteadOf(source, release);
    auto same = std::find_if(notes.begin(), notes.end(),
                             [&why](const auto& note) { return note.first == why; });
    if (same == notes.end()) {
      notes.emplace_back(why, source.part);
    } else if (same->second.find(source.part) == std::string::npos) {
      same->second += std::string(", ") + source.part;
    }
  }
  std::vector<std::string> lines;
  for (const auto& [why, parts] : notes) lines.push_back(parts + ": " + why);
  return lines;
}

}  // namespace springboard
