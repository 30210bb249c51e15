// SpringBoard's own classes as the simulated SpringBoard holds them. The host creates
// them with VMRegisterSpringBoardClasses() before it loads tweaks; nothing creates them
// at library load, because on the device they belong to the SpringBoard executable.
//
// A process that plays one iOS release (standins/releases/ios_release.h) has only the
// classes and methods of that release; without one it has all of those below.
//
// Every method a tweak replaces leaves a trace that a plain getter reads back (none of
// the getters is replaced by anyone):
//
// SBIconBadgeView : UIView, SBIconImageView : UIView
//   setFrame: (own; calls UIView's)       -> frame, frameChangeCount (NSInteger)
// SBBannerContextView : UIView
//   _layoutGrabber                        -> grabberView (id, made on first layout) with the
//                                            background +_defaultGrabberColor answers;
//                                            grabberLayoutCount (NSInteger)
//   +_defaultGrabberColor                 -> white at alpha 0.5, autoreleased
// SBFadeAnimationSettings : NSObject
//   backlightFadeDuration                 -> 0.25 unless setBacklightFadeDuration: changed it
// SBCameraGrabberView : UIView
//   _cameraGrabberImage                   -> a UIImage named "CameraGrabber", the same
//                                            object on every call for one view
// SBSlideUpAppGrabberView : UIView
//   setGrabberImage:                      -> grabberImage (id, retained)
// SBLockScreenSlideUpToAppController : NSObject
//   prepareForSlideUpAnimation            -> isPreparedForSlideUp (BOOL),
//                                            slideUpPreparationCount (NSInteger)
// SBLockScreenDateViewController : NSObject
//   setDateHidden: / isDateHidden         -> the stored flag; also hides the loaded view
//   disablesUpdates                       -> YES while the date is hidden
//   loadView                              -> view (id, a UILabel), isViewLoaded (BOOL)
//   _updateView                           -> updateCount (NSInteger); unless updates are
//                                            disabled, sets the view's text to the date
//   _backlightChanged                     -> backlightChangeCount (NSInteger), then
//                                            sends _updateView
//   _updateFormat                         -> formatUpdateCount (NSInteger), dateFormat (id)
//   _addObservers                         -> isObserving (BOOL)
// SBLockScreenBatteryChargingViewController : NSObject
//   loadView                              -> chargingView (its answer): a new
//                                            SBLockScreenBatteryChargingView told
//                                            setBatteryVisible: YES; loadCount (NSInteger)
//   batteryVisible                        -> the charging view's battery visibility, NO
//                                            before loadView
// SBLockScreenBatteryChargingView : UIView
//   setBatteryVisible: / batteryVisible   -> the stored flag (NO at first); also shows or
//                                            hides batteryView (id)
// SBLockScreenPreviewView : UIView
//   _setupCameraView, _setupDateView, _setupSlideToUnlockView
//                                         -> cameraView, dateView, slideToUnlockView (id):
//                                            made and added as subviews on the first call;
//                                            setupCount (NSInteger) counts all three
// SBStatusBarStateAggregator : NSObject
//   _updateActivityItem                   -> activityUpdateCount (NSInteger),
//                                            isActivityItemVisible (BOOL: YES once updated)
//   _updateAirplaneMode                   -> airplaneModeUpdateCount (NSInteger),
//                                            isAirplaneModeItemVisible (BOOL: follows
//                                            setAirplaneModeEnabled:)
//   _noteAirplaneModeChanged              -> airplaneModeChangeCount (NSInteger), then
//                                            sends _updateAirplaneMode
//   _updateTimeItems                      -> timeUpdateCount (NSInteger), timeItemText
//                                            (id, "HH:MM" local time)
// SBLockScreenView : UIView
//   _updateSlideToUnlockBackground, _updateBottomGrabberBackground,
//   _updateTopGrabberBackground, _updateVibrantViewBackgrounds
//                                         -> set the backgroundColor of slideToUnlockView,
//                                            bottomGrabberView, topGrabberView, vibrantView
//                                            (ids, made at init with no background)
//   setTopGrabberHidden:forRequester:, setBottomGrabberHidden:forRequester:
//                                         -> isTopGrabberHidden / isBottomGrabberHidden
//                                            (BOOL: some requester hides it), and
//                                            isTopGrabberHiddenForRequester: /
//                                            isBottomGrabberHiddenForRequester: (BOOL, id)
// SBIconLabelImageParameters : NSObject
//   text                                  -> the text given to initWithText: or setText:
// SBIconListPageControl : UIView
//   initWithFrame: (own; calls UIView's)  -> +liveInstanceCount (NSInteger): page controls
//                                            initialised and not yet deallocated
// SBLockScreenViewController : NSObject
//   startLockScreenFadeInAnimationForSource:
//                                         -> fadeInAnimationCount (NSInteger),
//                                            lastFadeInSource (NSInteger, -1 before any)
//   showsSpringBoardStatusBar             -> YES unless setShowsStatusBar: NO
//   _effectiveVisibleStatusBarAlpha       -> statusBarAlpha (1.0 unless setStatusBarAlpha:)
//                                            while the status bar shows, else 0.0
//   _shouldShowDate                       -> YES unless setShowsDate: NO
//   statusBarStyle                        -> 1, or 2 while the status bar is translucent
//                                            (its alpha below 1.0)
// SBChevronView : UIView
//   setColor:                             -> color (id, retained)
#pragma once

#include "bridge/selectors.h"

extern "C" {
// Creates SpringBoard's classes (and the UIKit stand-in's, which they derive from).
// Calling it again changes nothing.
void VMRegisterSpringBoardClasses(void);
}
