# Cross-compiling for iOS devices with Debian's LLVM: clang, ld64.lld and LLVM's libc++
# headers against an iPhoneOS SDK of headers and .tbd stubs.
#   VELMOTINT_IOS_SDK        the SDK folder (iPhoneOS*.sdk)
#   CMAKE_OSX_ARCHITECTURES  arm64 (iOS 7.0 and later) or armv7 (iOS 6.0 and later)
#   VELMOTINT_LD64           Apple's ld64, to link armv7 (LLVM's linker cannot); without it
#                            the armv7 configuration compiles and archives only
set(CMAKE_SYSTEM_NAME iOS)
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELMOTINT_IOS_SDK VELMOTINT_LD64)
# The compiler checks must not link: armv7 may have no linker at all.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

if(NOT CMAKE_OSX_ARCHITECTURES)
  set(CMAKE_OSX_ARCHITECTURES arm64 CACHE STRING "Device architecture")
endif()
if(CMAKE_OSX_ARCHITECTURES STREQUAL "arm64")
  set(VM_IOS_MINIMUM 7.0)
elseif(CMAKE_OSX_ARCHITECTURES STREQUAL "armv7")
  set(VM_IOS_MINIMUM 6.0)
else()
  message(FATAL_ERROR "one device architecture per build: arm64 or armv7")
endif()
set(CMAKE_OSX_DEPLOYMENT_TARGET ${VM_IOS_MINIMUM} CACHE STRING "Oldest iOS" FORCE)
set(CMAKE_OSX_SYSROOT ${VELMOTINT_IOS_SDK} CACHE PATH "iPhoneOS SDK" FORCE)

# clang on Linux needs the Apple target spelled out; -arch alone is ignored there.
set(VM_IOS_TRIPLE ${CMAKE_OSX_ARCHITECTURES}-apple-ios${VM_IOS_MINIMUM})
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${VM_IOS_TRIPLE})
set(CMAKE_CXX_COMPILER_TARGET ${VM_IOS_TRIPLE})
find_program(CMAKE_AR NAMES llvm-ar-14 llvm-ar REQUIRED)
find_program(CMAKE_RANLIB NAMES llvm-ranlib-14 llvm-ranlib REQUIRED)
find_program(CMAKE_INSTALL_NAME_TOOL NAMES llvm-install-name-tool-14 llvm-install-name-tool)

# The SDK has no C++ headers; LLVM's libc++ matches the SDK's libc++ stubs. Only these:
# device.cmake compiles with -nostdinc++, so no other C++ headers on this machine count.
set(VM_LIBCXX_HEADERS /usr/lib/llvm-14/include/c++/v1 CACHE PATH "libc++ headers")
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++")
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${VM_LIBCXX_HEADERS})

if(VELMOTINT_LD64)
  set(VM_LINKER "--ld-path=${VELMOTINT_LD64}")
else()
  set(VM_LINKER "-fuse-ld=lld")
endif()
# Jailbroken devices accept an ad hoc signature; arm64 refuses to run unsigned code.
# -dead_strip drops what nothing on the device reaches from an export or an initialiser:
# the code that only the hosts, the stand-ins and the tests call.
foreach(kind SHARED MODULE EXE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "${VM_LINKER} -Wl,-adhoc_codesign -Wl,-dead_strip")
endforeach()

set(CMAKE_FIND_ROOT_PATH ${VELMOTINT_IOS_SDK})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
