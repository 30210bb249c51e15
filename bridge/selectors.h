// Selectors of Foundation and UIKit that the product and the stand-ins send, each looked
// up once. Naming rule: the selector's text with every ':' written as '_'.
#pragma once

#include "objc_send.h"

namespace vm::sel {

// NSObject
inline const SelRef alloc{"alloc"};
inline const SelRef init{"init"};
inline const SelRef new_{"new"};
inline const SelRef retain{"retain"};
inline const SelRef release{"release"};
inline const SelRef autorelease{"autorelease"};
inline const SelRef copy{"copy"};
inline const SelRef retainCount{"retainCount"};
inline const SelRef dealloc{"dealloc"};
inline const SelRef isKindOfClass_{"isKindOfClass:"};
inline const SelRef isEqual_{"isEqual:"};
inline const SelRef description{"description"};
inline const SelRef respondsToSelector_{"respondsToSelector:"};

// NSString
inline const SelRef stringWithUTF8String_{"stringWithUTF8String:"};
inline const SelRef stringWithFormat_{"stringWithFormat:"};
inline const SelRef UTF8String{"UTF8String"};
inline const SelRef length{"length"};
inline const SelRef hasPrefix_{"hasPrefix:"};
inline const SelRef substringFromIndex_{"substringFromIndex:"};
inline const SelRef componentsSeparatedByString_{"componentsSeparatedByString:"};
inline const SelRef rangeOfString_{"rangeOfString:"};
inline const SelRef floatValue{"floatValue"};
inline const SelRef boolValue{"boolValue"};
inline const SelRef stringByAppendingString_{"stringByAppendingString:"};

// Collections
inline const SelRef count{"count"};
inline const SelRef objectAtIndex_{"objectAtIndex:"};
inline const SelRef objectAtIndexedSubscript_{"objectAtIndexedSubscript:"};
inline const SelRef objectForKey_{"objectForKey:"};
inline const SelRef setObject_forKey_{"setObject:forKey:"};
inline const SelRef removeObjectForKey_{"removeObjectForKey:"};
inline const SelRef addObject_{"addObject:"};
inline const SelRef removeObject_{"removeObject:"};
inline const SelRef containsObject_{"containsObject:"};
inline const SelRef array{"array"};
inline const SelRef dictionary{"dictionary"};
inline const SelRef allKeys{"allKeys"};

// Values and data
inline const SelRef numberWithBool_{"numberWithBool:"};
inline const SelRef numberWithDouble_{"numberWithDouble:"};
inline const SelRef dataWithContentsOfFile_{"dataWithContentsOfFile:"};
inline const SelRef dataWithBytes_length_{"dataWithBytes:length:"};
inline const SelRef bytes{"bytes"};
inline const SelRef propertyListWithData_options_format_error_{
    "propertyListWithData:options:format:error:"};
inline const SelRef dataWithPropertyList_format_options_error_{
    "dataWithPropertyList:format:options:error:"};
inline const SelRef initWithContentsOfFile_{"initWithContentsOfFile:"};
inline const SelRef dictionaryWithContentsOfFile_{"dictionaryWithContentsOfFile:"};
inline const SelRef URLWithString_{"URLWithString:"};
inline const SelRef absoluteString{"absoluteString"};

// UIColor
inline const SelRef colorWithRed_green_blue_alpha_{"colorWithRed:green:blue:alpha:"};
inline const SelRef colorWithHue_saturation_brightness_alpha_{
    "colorWithHue:saturation:brightness:alpha:"};
inline const SelRef colorWithAlphaComponent_{"colorWithAlphaComponent:"};
inline const SelRef getRed_green_blue_alpha_{"getRed:green:blue:alpha:"};
inline const SelRef clearColor{"clearColor"};
inline const SelRef redColor{"redColor"};
inline const SelRef blackColor{"blackColor"};
inline const SelRef whiteColor{"whiteColor"};
inline const SelRef CGColor{"CGColor"};

// UIView, UILabel, CALayer
inline const SelRef initWithFrame_{"initWithFrame:"};
inline const SelRef frame{"frame"};
inline const SelRef setFrame_{"setFrame:"};
inline const SelRef bounds{"bounds"};
inline const SelRef layer{"layer"};
inline const SelRef subviews{"subviews"};
inline const SelRef superview{"superview"};
inline const SelRef addSubview_{"addSubview:"};
inline const SelRef removeFromSuperview{"removeFromSuperview"};
inline const SelRef alpha{"alpha"};
inline const SelRef setAlpha_{"setAlpha:"};
inline const SelRef backgroundColor{"backgroundColor"};
inline const SelRef setBackgroundColor_{"setBackgroundColor:"};
inline const SelRef layoutSubviews{"layoutSubviews"};
inline const SelRef setNeedsLayout{"setNeedsLayout"};
inline const SelRef hidden{"isHidden"};
inline const SelRef setHidden_{"setHidden:"};
inline const SelRef tintColor{"tintColor"};
inline const SelRef setTintColor_{"setTintColor:"};
inline const SelRef text{"text"};
inline const SelRef setText_{"setText:"};
inline const SelRef textColor{"textColor"};
inline const SelRef setTextColor_{"setTextColor:"};
inline const SelRef color{"color"};
inline const SelRef setColor_{"setColor:"};
inline const SelRef font{"font"};
inline const SelRef setFont_{"setFont:"};
inline const SelRef numberOfLines{"numberOfLines"};
inline const SelRef setNumberOfLines_{"setNumberOfLines:"};
inline const SelRef textAlignment{"textAlignment"};
inline const SelRef setTextAlignment_{"setTextAlignment:"};
inline const SelRef cornerRadius{"cornerRadius"};
inline const SelRef setCornerRadius_{"setCornerRadius:"};
inline const SelRef borderWidth{"borderWidth"};
inline const SelRef setBorderWidth_{"setBorderWidth:"};
inline const SelRef borderColor{"borderColor"};
inline const SelRef setBorderColor_{"setBorderColor:"};

// UIKit: the screen, fonts and the application object
inline const SelRef mainScreen{"mainScreen"};
inline const SelRef fontWithName_size_{"fontWithName:size:"};
inline const SelRef fontName{"fontName"};
inline const SelRef pointSize{"pointSize"};
inline const SelRef sharedApplication{"sharedApplication"};
inline const SelRef openURL_{"openURL:"};

// Preferences: list controllers, specifiers and table cells
inline const SelRef specifiers{"specifiers"};
inline const SelRef loadSpecifiersFromPlistName_target_{"loadSpecifiersFromPlistName:target:"};
inline const SelRef clearCache{"clearCache"};
inline const SelRef reload{"reload"};
inline const SelRef viewWillAppear_{"viewWillAppear:"};
inline const SelRef title{"title"};
inline const SelRef readPreferenceValue_{"readPreferenceValue:"};
inline const SelRef setPreferenceValue_specifier_{"setPreferenceValue:specifier:"};
inline const SelRef propertyForKey_{"propertyForKey:"};
inline const SelRef setProperty_forKey_{"setProperty:forKey:"};
inline const SelRef name{"name"};
inline const SelRef identifier{"identifier"};
inline const SelRef target{"target"};
inline const SelRef initWithStyle_reuseIdentifier_specifier_{
    "initWithStyle:reuseIdentifier:specifier:"};
inline const SelRef initWithSpecifier_{"initWithSpecifier:"};
inline const SelRef contentView{"contentView"};
inline const SelRef specifier{"specifier"};
inline const SelRef reuseIdentifier{"reuseIdentifier"};
inline const SelRef preferredHeightForWidth_inTableView_{"preferredHeightForWidth:inTableView:"};

}  // namespace vm::sel
