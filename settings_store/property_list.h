// The one way this tree turns bytes into a property list. Every file the product, the
// stand-ins and the hosts read as a property list (settings files, filter lists,
// Info.plist, specifier lists, loader entries) comes through here, so that one place keeps
// the parser away from what it cannot survive:
//   - more than kMaxPropertyListBytes, or nesting deeper than kMaxPropertyListDepth
//     (Foundation's parsers recurse once per level and would overflow the stack);
//   - binary lists whose offsets, counts or references point outside the data, that
//     contain themselves, or that share objects so that reading them would build more
//     than kMaxPropertyListObjects;
//   - XML that declares entities, and text that is no property-list encoding at all;
//   - and any exception the parser raises anyway (GNUstep raises where Apple's Foundation
//     returns nil, for example on 1000 zero bytes).
// Each of them reads as "no property list": the caller sees nil, exactly as for a file
// that is missing.
#pragma once

#include <objc/runtime.h>

#include <cstddef>

namespace vm {

// No real settings file, list or Info.plist comes near these.
inline constexpr size_t kMaxPropertyListBytes = size_t{1} << 20;
inline constexpr int kMaxPropertyListDepth = 32;
inline constexpr size_t kMaxPropertyListObjects = size_t{1} << 18;

// NSPropertyListSerialization's option and format values (the same on both platforms).
inline constexpr unsigned long kPropertyListImmutable = 0;
inline constexpr unsigned long kPropertyListMutableContainers = 1;
inline constexpr unsigned long kPropertyListXmlFormat = 100;
inline constexpr unsigned long kPropertyListBinaryFormat = 200;

// Whether `bytes` may be handed to the parser: within the bounds above and in one of the
// encodings read here (binary "bplist00", XML, or old-style text in ASCII or UTF-8).
bool withinPropertyListBounds(const unsigned char* bytes, size_t length);

// How to build the containers of a parsed list.
enum class Containers { kImmutable, kMutable };

// The property list in `bytes` as a new object (+1), or nil when the bytes are outside
// the bounds, are no property list, or make the parser raise. Never raises.
id copyPropertyList(const void* bytes, size_t length, Containers containers);

// The same, kept only when the root is a dictionary.
id copyDictionaryFromBytes(const void* bytes, size_t length, Containers containers);

// Reading whole files and writing lists, which only the hosts, the stand-ins and the tests
// do: linux_only/property_list_files.h.

}  // namespace vm
