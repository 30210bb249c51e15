#include "tweak/hook_table.h"

#include "tweak/hooks/home_items.h"
#include "tweak/hooks/lockscreen_elements.h"
#include "tweak/hooks/lockscreen_tint.h"
#include "tweak/hooks/statusbar_tint.h"

namespace velmotint {

const std::array<HookRow, kHookCount>& hookTable() {
  using K = MethodKind;
  static const std::array<HookRow, kHookCount> table{{
      hookRow(1, "SBIconBadgeView", K::Instance, "setFrame:", replaced::SBIconBadgeView_setFrame_, saved::SBIconBadgeView_setFrame_),
      hookRow(2, "SBBannerContextView", K::Instance, "_layoutGrabber", replaced::SBBannerContextView__layoutGrabber, saved::SBBannerContextView__layoutGrabber),
      hookRow(3, "SBBannerContextView", K::Class, "_defaultGrabberColor", replaced::SBBannerContextView__defaultGrabberColor, saved::SBBannerContextView__defaultGrabberColor),
      hookRow(4, "SBFadeAnimationSettings", K::Instance, "backlightFadeDuration", replaced::SBFadeAnimationSettings_backlightFadeDuration, saved::SBFadeAnimationSettings_backlightFadeDuration),
      hookRow(5, "SBCameraGrabberView", K::Instance, "_cameraGrabberImage", replaced::SBCameraGrabberView__cameraGrabberImage, saved::SBCameraGrabberView__cameraGrabberImage),
      hookRow(6, "SBSlideUpAppGrabberView", K::Instance, "setGrabberImage:", replaced::SBSlideUpAppGrabberView_setGrabberImage_, saved::SBSlideUpAppGrabberView_setGrabberImage_),
      hookRow(7, "SBLockScreenSlideUpToAppController", K::Instance, "prepareForSlideUpAnimation", replaced::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation, saved::SBLockScreenSlideUpToAppController_prepareForSlideUpAnimation),
      hookRow(8, "SBIconImageView", K::Instance, "setFrame:", replaced::SBIconImageView_setFrame_, saved::SBIconImageView_setFrame_),
      hookRow(9, "_UIGlintyStringView", K::Instance, "setBlurHidden:forRequester:", replaced::_UIGlintyStringView_setBlurHidden_forRequester_, saved::_UIGlintyStringView_setBlurHidden_forRequester_),
      hookRow(10, "_UIGlintyStringView", K::Instance, "_chevronVerticalOffset", replaced::_UIGlintyStringView__chevronVerticalOffset, saved::_UIGlintyStringView__chevronVerticalOffset),
      hookRow(11, "_UIGlintyStringView", K::Instance, "setLabel:", replaced::_UIGlintyStringView_setLabel_, saved::_UIGlintyStringView_setLabel_),
      hookRow(12, "_UIGlintyStringView", K::Instance, "layoutSubviews", replaced::_UIGlintyStringView_layoutSubviews, saved::_UIGlintyStringView_layoutSubviews),
      hookRow(13, "_UIGlintyStringView", K::Instance, "setChevronStyle:", replaced::_UIGlintyStringView_setChevronStyle_, saved::_UIGlintyStringView_setChevronStyle_),
      hookRow(14, "_UIGlintyStringView", K::Instance, "updateText", replaced::_UIGlintyStringView_updateText, saved::_UIGlintyStringView_updateText),
      hookRow(15, "UILabel", K::Instance, "setColor:", replaced::UILabel_setColor_, saved::UILabel_setColor_),
      hookRow(16, "SBLockScreenDateViewController", K::Instance, "setDateHidden:", replaced::SBLockScreenDateViewController_setDateHidden_, saved::SBLockScreenDateViewController_setDateHidden_),
      hookRow(17, "SBLockScreenDateViewController", K::Instance, "isDateHidden", replaced::SBLockScreenDateViewController_isDateHidden, saved::SBLockScreenDateViewController_isDateHidden),
      hookRow(18, "SBLockScreenDateViewController", K::Instance, "disablesUpdates", replaced::SBLockScreenDateViewController_disablesUpdates, saved::SBLockScreenDateViewController_disablesUpdates),
      hookRow(19, "SBLockScreenDateViewController", K::Instance, "loadView", replaced::SBLockScreenDateViewController_loadView, saved::SBLockScreenDateViewController_loadView),
      hookRow(20, "SBLockScreenDateViewController", K::Instance, "_updateView", replaced::SBLockScreenDateViewController__updateView, saved::SBLockScreenDateViewController__updateView),
      hookRow(21, "SBLockScreenDateViewController", K::Instance, "_backlightChanged", replaced::SBLockScreenDateViewController__backlightChanged, saved::SBLockScreenDateViewController__backlightChanged),
      hookRow(22, "SBLockScreenDateViewController", K::Instance, "_updateFormat", replaced::SBLockScreenDateViewController__updateFormat, saved::SBLockScreenDateViewController__updateFormat),
      hookRow(23, "SBLockScreenDateViewController", K::Instance, "_addObservers", replaced::SBLockScreenDateViewController__addObservers, saved::SBLockScreenDateViewController__addObservers),
      hookRow(24, "SBLockScreenBatteryChargingViewController", K::Instance, "batteryVisible", replaced::SBLockScreenBatteryChargingViewController_batteryVisible, saved::SBLockScreenBatteryChargingViewController_batteryVisible),
      hookRow(25, "SBLockScreenBatteryChargingViewController", K::Instance, "loadView", replaced::SBLockScreenBatteryChargingViewController_loadView, saved::SBLockScreenBatteryChargingViewController_loadView),
      hookRow(26, "SBLockScreenBatteryChargingViewController", K::Instance, "chargingView", replaced::SBLockScreenBatteryChargingViewController_chargingView, saved::SBLockScreenBatteryChargingViewController_chargingView),
      hookRow(27, "SBLockScreenBatteryChargingView", K::Instance, "setBatteryVisible:", replaced::SBLockScreenBatteryChargingView_setBatteryVisible_, saved::SBLockScreenBatteryChargingView_setBatteryVisible_),
      hookRow(28, "SBLockScreenBatteryChargingView", K::Instance, "batteryVisible", replaced::SBLockScreenBatteryChargingView_batteryVisible, saved::SBLockScreenBatteryChargingView_batteryVisible),
      hookRow(29, "_UILegibilitySettingsProvider", K::Instance, "hasContrast", replaced::_UILegibilitySettingsProvider_hasContrast, saved::_UILegibilitySettingsProvider_hasContrast),
      hookRow(30, "_UILegibilitySettingsProvider", K::Instance, "accumulatedBrightness", replaced::_UILegibilitySettingsProvider_accumulatedBrightness, saved::_UILegibilitySettingsProvider_accumulatedBrightness),
      hookRow(31, "_UILegibilitySettingsProvider", K::Instance, "accumulatedLuminance", replaced::_UILegibilitySettingsProvider_accumulatedLuminance, saved::_UILegibilitySettingsProvider_accumulatedLuminance),
      hookRow(32, "SBLockScreenPreviewView", K::Instance, "_setupCameraView", replaced::SBLockScreenPreviewView__setupCameraView, saved::SBLockScreenPreviewView__setupCameraView),
      hookRow(33, "SBLockScreenPreviewView", K::Instance, "_setupDateView", replaced::SBLockScreenPreviewView__setupDateView, saved::SBLockScreenPreviewView__setupDateView),
      hookRow(34, "SBLockScreenPreviewView", K::Instance, "_setupSlideToUnlockView", replaced::SBLockScreenPreviewView__setupSlideToUnlockView, saved::SBLockScreenPreviewView__setupSlideToUnlockView),
      hookRow(35, "SBStatusBarStateAggregator", K::Instance, "_updateActivityItem", replaced::SBStatusBarStateAggregator__updateActivityItem, saved::SBStatusBarStateAggregator__updateActivityItem),
      hookRow(36, "SBStatusBarStateAggregator", K::Instance, "_updateAirplaneMode", replaced::SBStatusBarStateAggregator__updateAirplaneMode, saved::SBStatusBarStateAggregator__updateAirplaneMode),
      hookRow(37, "SBStatusBarStateAggregator", K::Instance, "_noteAirplaneModeChanged", replaced::SBStatusBarStateAggregator__noteAirplaneModeChanged, saved::SBStatusBarStateAggregator__noteAirplaneModeChanged),
      hookRow(38, "SBStatusBarStateAggregator", K::Instance, "_updateTimeItems", replaced::SBStatusBarStateAggregator__updateTimeItems, saved::SBStatusBarStateAggregator__updateTimeItems),
      hookRow(39, "SBLockScreenView", K::Instance, "_updateSlideToUnlockBackground", replaced::SBLockScreenView__updateSlideToUnlockBackground, saved::SBLockScreenView__updateSlideToUnlockBackground),
      hookRow(40, "SBLockScreenView", K::Instance, "_updateBottomGrabberBackground", replaced::SBLockScreenView__updateBottomGrabberBackground, saved::SBLockScreenView__updateBottomGrabberBackground),
      hookRow(41, "SBLockScreenView", K::Instance, "_updateTopGrabberBackground", replaced::SBLockScreenView__updateTopGrabberBackground, saved::SBLockScreenView__updateTopGrabberBackground),
      hookRow(42, "SBLockScreenView", K::Instance, "_updateVibrantViewBackgrounds", replaced::SBLockScreenView__updateVibrantViewBackgrounds, saved::SBLockScreenView__updateVibrantViewBackgrounds),
      hookRow(43, "SBLockScreenView", K::Instance, "setTopGrabberHidden:forRequester:", replaced::SBLockScreenView_setTopGrabberHidden_forRequester_, saved::SBLockScreenView_setTopGrabberHidden_forRequester_),
      hookRow(44, "SBLockScreenView", K::Instance, "setBottomGrabberHidden:forRequester:", replaced::SBLockScreenView_setBottomGrabberHidden_forRequester_, saved::SBLockScreenView_setBottomGrabberHidden_forRequester_),
      hookRow(45, "SBIconLabelImageParameters", K::Instance, "text", replaced::SBIconLabelImageParameters_text, saved::SBIconLabelImageParameters_text),
      hookRow(46, "SBIconListPageControl", K::Instance, "initWithFrame:", replaced::SBIconListPageControl_initWithFrame_, saved::SBIconListPageControl_initWithFrame_),
      hookRow(47, "UIStatusBarBatteryItemView", K::Instance, "_needsAccessoryImage", replaced::UIStatusBarBatteryItemView__needsAccessoryImage, saved::UIStatusBarBatteryItemView__needsAccessoryImage),
      hookRow(48, "SBLockScreenViewController", K::Instance, "startLockScreenFadeInAnimationForSource:", replaced::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_, saved::SBLockScreenViewController_startLockScreenFadeInAnimationForSource_),
      hookRow(49, "SBLockScreenViewController", K::Instance, "_effectiveVisibleStatusBarAlpha", replaced::SBLockScreenViewController__effectiveVisibleStatusBarAlpha, saved::SBLockScreenViewController__effectiveVisibleStatusBarAlpha),
      hookRow(50, "SBLockScreenViewController", K::Instance, "showsSpringBoardStatusBar", replaced::SBLockScreenViewController_showsSpringBoardStatusBar, saved::SBLockScreenViewController_showsSpringBoardStatusBar),
      hookRow(51, "SBLockScreenViewController", K::Instance, "_shouldShowDate", replaced::SBLockScreenViewController__shouldShowDate, saved::SBLockScreenViewController__shouldShowDate),
      hookRow(52, "SBLockScreenViewController", K::Instance, "statusBarStyle", replaced::SBLockScreenViewController_statusBarStyle, saved::SBLockScreenViewController_statusBarStyle),
      hookRow(53, "SBChevronView", K::Instance, "setColor:", replaced::SBChevronView_setColor_, saved::SBChevronView_setColor_),
      hookRow(54, "_UILegibilityView", K::Instance, "usesSecondaryColor", replaced::_UILegibilityView_usesSecondaryColor, saved::_UILegibilityView_usesSecondaryColor),
      hookRow(55, "_UILegibilityLabel", K::Instance, "usesSecondaryColor", replaced::_UILegibilityLabel_usesSecondaryColor, saved::_UILegibilityLabel_usesSecondaryColor),
      hookRow(56, "_UILegibilitySettings", K::Instance, "shadowAlpha", replaced::_UILegibilitySettings_shadowAlpha, saved::_UILegibilitySettings_shadowAlpha),
      hookRow(57, "_UILegibilitySettings", K::Instance, "setPrimaryColor:", replaced::_UILegibilitySettings_setPrimaryColor_, saved::_UILegibilitySettings_setPrimaryColor_),
      hookRow(58, "_UILegibilitySettings", K::Instance, "setSecondaryColor:", replaced::_UILegibilitySettings_setSecondaryColor_, saved::_UILegibilitySettings_setSecondaryColor_),
      hookRow(59, "UIActivityIndicatorView", K::Instance, "setColor:", replaced::UIActivityIndicatorView_setColor_, saved::UIActivityIndicatorView_setColor_),
      hookRow(60, "UIStatusBarNewUIForegroundStyleAttributes", K::Instance, "_batteryColorForCapacity:lowCapacity:charging:", replaced::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_, saved::UIStatusBarNewUIForegroundStyleAttributes__batteryColorForCapacity_lowCapacity_charging_),
      hookRow(61, "UIStatusBarNewUIForegroundStyleAttributes", K::Instance, "textColorForStyle:", replaced::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_, saved::UIStatusBarNewUIForegroundStyleAttributes_textColorForStyle_),
      hookRow(62, "_UIRefreshControlModernContentView", K::Instance, "setTintColor:", replaced::_UIRefreshControlModernContentView_setTintColor_, saved::_UIRefreshControlModernContentView_setTintColor_),
      hookRow(63, "UIStatusBarNewUIStyleAttributes", K::Instance, "initWithRequest:backgroundColor:foregroundColor:", replaced::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_, saved::UIStatusBarNewUIStyleAttributes_initWithRequest_backgroundColor_foregroundColor_),
  }};
  return table;
}

}  // namespace velmotint
