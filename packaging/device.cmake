# The device build: the two deliverables only, for one architecture per configuration
# (packaging/ios.toolchain.cmake; scripts/build-device.sh runs arm64 and armv7 and packs
# them). The platform pieces are the SDK's frameworks and libraries, plus stubs of our own
# for the two libraries that jailbroken devices add.
set(VM_STUBS ${CMAKE_SOURCE_DIR}/packaging/stubs)

add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-nostdinc++>)
# Only what a deliverable marks for export leaves it (the colour functions and main).
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)

add_library(vm_platform INTERFACE)
target_link_libraries(vm_platform INTERFACE objc "-framework Foundation"
                      "-framework CoreFoundation")
add_library(vm_uikit INTERFACE)
target_link_libraries(vm_uikit INTERFACE "-framework UIKit" "-framework QuartzCore"
                      "-framework CoreGraphics")
add_library(vm_corefoundation INTERFACE)
target_link_libraries(vm_corefoundation INTERFACE "-framework CoreFoundation")
add_library(vm_substrate INTERFACE)
target_link_libraries(vm_substrate INTERFACE ${VM_STUBS}/CydiaSubstrate.tbd)
# Nothing calls the colour-picker library, so it must be linked as needed to be kept.
add_library(vm_colorpicker INTERFACE)
target_link_options(vm_colorpicker INTERFACE
                    "LINKER:-needed_library,${VM_STUBS}/libcolorpicker.tbd")
add_library(vm_preferences INTERFACE)
target_link_options(vm_preferences INTERFACE
                    "-F${CMAKE_OSX_SYSROOT}/System/Library/PrivateFrameworks")
target_link_libraries(vm_preferences INTERFACE "-framework Preferences")

# LLVM's linker cannot write armv7 Mach-O. Without Apple's ld64 the armv7 configuration
# still compiles every source of both deliverables, to objects only.
if(CMAKE_OSX_ARCHITECTURES STREQUAL "armv7" AND NOT VELMOTINT_LD64)
  set(VM_TWEAK_LIBRARY_TYPE OBJECT)
  set(VM_BUNDLE_LIBRARY_TYPE OBJECT)
else()
  set(VM_TWEAK_LIBRARY_TYPE SHARED)  # an MH_DYLIB, loaded by its install name
  set(VM_BUNDLE_LIBRARY_TYPE MODULE)  # an MH_BUNDLE
endif()
set(VM_TWEAK_INSTALL_DIR /Library/MobileSubstrate/DynamicLibraries)

add_subdirectory(bridge)
add_subdirectory(settings_store)
add_subdirectory(colour)
add_subdirectory(tweak)
add_subdirectory(prefs)
