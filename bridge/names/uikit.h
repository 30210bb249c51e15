// UIKit's and QuartzCore's classes, public and private, and the selectors the tree sends
// to them, then the read-back getters that only the UIKit stand-in answers (no platform
// names; the product never sends them). Naming rule: name_rule.h.
#pragma once

#include "bridge/names/name_rule.h"

#define VM_UIKIT_CLASSES(X)                                                                 \
  X(UIColor, "UIColor")                                                                     \
  X(CALayer, "CALayer")                                                                     \
  X(UIView, "UIView")                                                                       \
  X(UILabel, "UILabel")                                                                     \
  X(UIFont, "UIFont")                                                                       \
  X(UIImage, "UIImage")                                                                     \
  X(UIScreen, "UIScreen")                                                                   \
  X(UIApplication, "UIApplication")                                                         \
  X(UIActivityIndicatorView, "UIActivityIndicatorView")                                     \
  X(p_UIGlintyStringView, "_UIGlintyStringView")                                            \
  X(p_UILegibilitySettingsProvider, "_UILegibilitySettingsProvider")                        \
  X(p_UILegibilityView, "_UILegibilityView")                                                \
  X(p_UILegibilityLabel, "_UILegibilityLabel")                                              \
  X(p_UILegibilitySettings, "_UILegibilitySettings")                                        \
  X(UIStatusBarNewUIForegroundStyleAttributes, "UIStatusBarNewUIForegroundStyleAttributes") \
  X(p_UIRefreshControlModernContentView, "_UIRefreshControlModernContentView")              \
  X(UIStatusBarNewUIStyleAttributes, "UIStatusBarNewUIStyleAttributes")                     \
  X(UIStatusBarBatteryItemView, "UIStatusBarBatteryItemView")

#define VM_UIKIT_SELECTORS(X)                                                               \
  /* UIColor, CGColor */                                                                    \
  X(colorWithRed_green_blue_alpha_, "colorWithRed:green:blue:alpha:")                       \
  X(initWithRed_green_blue_alpha_, "initWithRed:green:blue:alpha:")                         \
  X(colorWithHue_saturation_brightness_alpha_, "colorWithHue:saturation:brightness:alpha:") \
  X(colorWithWhite_alpha_, "colorWithWhite:alpha:")                                         \
  X(colorWithAlphaComponent_, "colorWithAlphaComponent:")                                   \
  X(getRed_green_blue_alpha_, "getRed:green:blue:alpha:")                                   \
  X(clearColor, "clearColor")                                                               \
  X(redColor, "redColor")                                                                   \
  X(blackColor, "blackColor")                                                               \
  X(whiteColor, "whiteColor")                                                               \
  X(CGColor, "CGColor")                                                                     \
  /* UIView, UILabel, CALayer */                                                            \
  X(initWithFrame_, "initWithFrame:")                                                       \
  X(frame, "frame")                                                                         \
  X(setFrame_, "setFrame:")                                                                 \
  X(bounds, "bounds")                                                                       \
  X(layer, "layer")                                                                         \
  X(subviews, "subviews")                                                                   \
  X(superview, "superview")                                                                 \
  X(addSubview_, "addSubview:")                                                             \
  X(removeFromSuperview, "removeFromSuperview")                                             \
  X(alpha, "alpha")                                                                         \
  X(setAlpha_, "setAlpha:")                                                                 \
  X(backgroundColor, "backgroundColor")                                                     \
  X(setBackgroundColor_, "setBackgroundColor:")                                             \
  X(layoutSubviews, "layoutSubviews")                                                       \
  X(setNeedsLayout, "setNeedsLayout")                                                       \
  X(isHidden, "isHidden")                                                                   \
  X(setHidden_, "setHidden:")                                                               \
  X(tintColor, "tintColor")                                                                 \
  X(setTintColor_, "setTintColor:")                                                         \
  X(text, "text")                                                                           \
  X(setText_, "setText:")                                                                   \
  X(textColor, "textColor")                                                                 \
  X(setTextColor_, "setTextColor:")                                                         \
  X(color, "color")                                                                         \
  X(setColor_, "setColor:")                                                                 \
  X(font, "font")                                                                           \
  X(setFont_, "setFont:")                                                                   \
  X(numberOfLines, "numberOfLines")                                                         \
  X(setNumberOfLines_, "setNumberOfLines:")                                                 \
  X(textAlignment, "textAlignment")                                                         \
  X(setTextAlignment_, "setTextAlignment:")                                                 \
  X(cornerRadius, "cornerRadius")                                                           \
  X(setCornerRadius_, "setCornerRadius:")                                                   \
  X(borderWidth, "borderWidth")                                                             \
  X(setBorderWidth_, "setBorderWidth:")                                                     \
  X(borderColor, "borderColor")                                                             \
  X(setBorderColor_, "setBorderColor:")                                                     \
  /* View controllers and table cells */                                                    \
  X(loadView, "loadView")                                                                   \
  X(isViewLoaded, "isViewLoaded")                                                           \
  X(viewWillAppear_, "viewWillAppear:")                                                     \
  X(title, "title")                                                                         \
  X(setTitle_, "setTitle:")                                                                 \
  X(contentView, "contentView")                                                             \
  X(reuseIdentifier, "reuseIdentifier")                                                     \
  /* The screen, fonts, images and the application object */                                \
  X(mainScreen, "mainScreen")                                                               \
  X(fontWithName_size_, "fontWithName:size:")                                               \
  X(fontName, "fontName")                                                                   \
  X(pointSize, "pointSize")                                                                 \
  X(imageNamed_, "imageNamed:")                                                             \
  X(sharedApplication, "sharedApplication")                                                 \
  X(openURL_, "openURL:")                                                                   \
  /* Private classes: glinty string, legibility, status bar, refresh control */             \
  X(label, "label")                                                                         \
  X(setLabel_, "setLabel:")                                                                 \
  X(effectView, "effectView")                                                               \
  X(setBlurHidden_forRequester_, "setBlurHidden:forRequester:")                             \
  X(p_chevronVerticalOffset, "_chevronVerticalOffset")                                      \
  X(setChevronStyle_, "setChevronStyle:")                                                   \
  X(updateText, "updateText")                                                               \
  X(setStyle_, "setStyle:")                                                                 \
  X(primaryColor, "primaryColor")                                                           \
  X(setPrimaryColor_, "setPrimaryColor:")                                                   \
  X(secondaryColor, "secondaryColor")                                                       \
  X(setSecondaryColor_, "setSecondaryColor:")                                               \
  X(shadowAlpha, "shadowAlpha")                                                             \
  X(setSettings_, "setSettings:")                                                           \
  X(usesSecondaryColor, "usesSecondaryColor")                                               \
  X(hasContrast, "hasContrast")                                                             \
  X(accumulatedBrightness, "accumulatedBrightness")                                         \
  X(accumulatedLuminance, "accumulatedLuminance")                                           \
  X(textColorForStyle_, "textColorForStyle:")                                               \
  X(p_batteryColorForCapacity_lowCapacity_charging_,                                        \
    "_batteryColorForCapacity:lowCapacity:charging:")                                       \
  X(initWithRequest_backgroundColor_foregroundColor_,                                       \
    "initWithRequest:backgroundColor:foregroundColor:")                                     \
  X(request, "request")                                                                     \
  X(foregroundColor, "foregroundColor")                                                     \
  X(p_needsAccessoryImage, "_needsAccessoryImage")                                          \
  /* The stand-in's read-back getters */                                                    \
  X(lastOpenedURL, "lastOpenedURL")                                                         \
  X(openedURLCount, "openedURLCount")                                                       \
  X(colorChangeCount, "colorChangeCount")                                                   \
  X(tintColorChangeCount, "tintColorChangeCount")                                           \
  X(isBlurHidden, "isBlurHidden")                                                           \
  X(isBlurHiddenForRequester_, "isBlurHiddenForRequester:")                                 \
  X(chevronStyle, "chevronStyle")                                                           \
  X(displayedText, "displayedText")                                                         \
  X(textUpdateCount, "textUpdateCount")                                                     \
  X(addSampleColor_, "addSampleColor:")                                                     \
  X(setCharging_, "setCharging:")

VM_DECLARE_NAMES(VM_UIKIT_CLASSES, VM_UIKIT_SELECTORS)
