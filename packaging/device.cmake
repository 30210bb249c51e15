# The device build: the two deliverables only, against an iOS SDK, for one architecture
# per configure (packaging/build-device.sh runs armv7 for iOS 6 and arm64 for iOS 7 and
# joins them). The platform pieces are the system's frameworks and libraries.
add_library(vm_platform INTERFACE)
target_link_libraries(vm_platform INTERFACE objc "-framework Foundation"
                      "-framework CoreFoundation")
add_library(vm_uikit INTERFACE)
target_link_libraries(vm_uikit INTERFACE "-framework UIKit" "-framework QuartzCore"
                      "-framework CoreGraphics")
add_library(vm_corefoundation INTERFACE)
target_link_libraries(vm_corefoundation INTERFACE "-framework CoreFoundation")
add_library(vm_substrate INTERFACE)
target_link_libraries(vm_substrate INTERFACE substrate)
add_library(vm_colorpicker INTERFACE)
target_link_libraries(vm_colorpicker INTERFACE colorpicker)
add_library(vm_preferences INTERFACE)
target_link_options(vm_preferences INTERFACE
                    "-F${CMAKE_OSX_SYSROOT}/System/Library/PrivateFrameworks")
target_link_libraries(vm_preferences INTERFACE "-framework Preferences")
