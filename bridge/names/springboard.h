// SpringBoard's classes and the selectors the tree sends to them: the methods SpringBoard
// itself calls while it lays out its screens, then the read-back getters that only the
// stand-in answers (no platform names; the product never sends them). Naming rule:
// name_rule.h.
#pragma once

#include "bridge/names/name_rule.h"

#define VM_SPRINGBOARD_CLASSES(X)                                                           \
  X(SBIconBadgeView, "SBIconBadgeView")                                                     \
  X(SBIconImageView, "SBIconImageView")                                                     \
  X(SBBannerContextView, "SBBannerContextView")                                             \
  X(SBFadeAnimationSettings, "SBFadeAnimationSettings")                                     \
  X(SBCameraGrabberView, "SBCameraGrabberView")                                             \
  X(SBSlideUpAppGrabberView, "SBSlideUpAppGrabberView")                                     \
  X(SBLockScreenSlideUpToAppController, "SBLockScreenSlideUpToAppController")               \
  X(SBLockScreenDateViewController, "SBLockScreenDateViewController")                       \
  X(SBLockScreenBatteryChargingViewController, "SBLockScreenBatteryChargingViewController") \
  X(SBLockScreenBatteryChargingView, "SBLockScreenBatteryChargingView")                     \
  X(SBLockScreenPreviewView, "SBLockScreenPreviewView")                                     \
  X(SBStatusBarStateAggregator, "SBStatusBarStateAggregator")                               \
  X(SBLockScreenView, "SBLockScreenView")                                                   \
  X(SBIconLabelImageParameters, "SBIconLabelImageParameters")                               \
  X(SBIconListPageControl, "SBIconListPageControl")                                         \
  X(SBLockScreenViewController, "SBLockScreenViewController")                               \
  X(SBChevronView, "SBChevronView")

#define VM_SPRINGBOARD_SELECTORS(X)                                                       \
  /* Banners, grabbers and the slide-up controller */                                     \
  X(p_defaultGrabberColor, "_defaultGrabberColor")                                        \
  X(p_layoutGrabber, "_layoutGrabber")                                                    \
  X(p_cameraGrabberImage, "_cameraGrabberImage")                                          \
  X(setGrabberImage_, "setGrabberImage:")                                                 \
  X(prepareForSlideUpAnimation, "prepareForSlideUpAnimation")                             \
  X(backlightFadeDuration, "backlightFadeDuration")                                       \
  /* The lock screen's date and charging views */                                         \
  X(setDateHidden_, "setDateHidden:")                                                     \
  X(isDateHidden, "isDateHidden")                                                         \
  X(disablesUpdates, "disablesUpdates")                                                   \
  X(p_updateView, "_updateView")                                                          \
  X(p_backlightChanged, "_backlightChanged")                                              \
  X(p_updateFormat, "_updateFormat")                                                      \
  X(p_addObservers, "_addObservers")                                                      \
  X(batteryVisible, "batteryVisible")                                                     \
  X(setBatteryVisible_, "setBatteryVisible:")                                             \
  X(chargingView, "chargingView")                                                         \
  /* The lock screen's view, preview and controller */                                    \
  X(p_setupCameraView, "_setupCameraView")                                                \
  X(p_setupDateView, "_setupDateView")                                                    \
  X(p_setupSlideToUnlockView, "_setupSlideToUnlockView")                                  \
  X(p_updateSlideToUnlockBackground, "_updateSlideToUnlockBackground")                    \
  X(p_updateBottomGrabberBackground, "_updateBottomGrabberBackground")                    \
  X(p_updateTopGrabberBackground, "_updateTopGrabberBackground")                          \
  X(p_updateVibrantViewBackgrounds, "_updateVibrantViewBackgrounds")                      \
  X(setTopGrabberHidden_forRequester_, "setTopGrabberHidden:forRequester:")               \
  X(setBottomGrabberHidden_forRequester_, "setBottomGrabberHidden:forRequester:")         \
  X(startLockScreenFadeInAnimationForSource_, "startLockScreenFadeInAnimationForSource:") \
  X(p_effectiveVisibleStatusBarAlpha, "_effectiveVisibleStatusBarAlpha")                  \
  X(showsSpringBoardStatusBar, "showsSpringBoardStatusBar")                               \
  X(p_shouldShowDate, "_shouldShowDate")                                                  \
  X(statusBarStyle, "statusBarStyle")                                                     \
  /* Status-bar state and icon labels */                                                  \
  X(p_updateActivityItem, "_updateActivityItem")                                          \
  X(p_updateAirplaneMode, "_updateAirplaneMode")                                          \
  X(p_noteAirplaneModeChanged, "_noteAirplaneModeChanged")                                \
  X(p_updateTimeItems, "_updateTimeItems")                                                \
  X(initWithText_, "initWithText:")                                                       \
  /* The stand-in's read-back getters */                                                  \
  X(grabberView, "grabberView")                                                           \
  X(grabberImage, "grabberImage")                                                         \
  X(isPreparedForSlideUp, "isPreparedForSlideUp")                                         \
  X(isObserving, "isObserving")                                                           \
  X(updateCount, "updateCount")                                                           \
  X(cameraView, "cameraView")                                                             \
  X(dateView, "dateView")                                                                 \
  X(slideToUnlockView, "slideToUnlockView")                                               \
  X(topGrabberView, "topGrabberView")                                                     \
  X(bottomGrabberView, "bottomGrabberView")                                               \
  X(vibrantView, "vibrantView")                                                           \
  X(isTopGrabberHidden, "isTopGrabberHidden")                                             \
  X(isBottomGrabberHidden, "isBottomGrabberHidden")                                       \
  X(fadeInAnimationCount, "fadeInAnimationCount")                                         \
  X(setAirplaneModeEnabled_, "setAirplaneModeEnabled:")                                   \
  X(isActivityItemVisible, "isActivityItemVisible")                                       \
  X(isAirplaneModeItemVisible, "isAirplaneModeItemVisible")                               \
  X(timeUpdateCount, "timeUpdateCount")

VM_DECLARE_NAMES(VM_SPRINGBOARD_CLASSES, VM_SPRINGBOARD_SELECTORS)
