#include "bridge/property_list.h"

#include <utility>

#include "bridge/foundation.h"

namespace vm {
namespace {

// NSPropertyListSerialization's options and formats (the same values on both platforms).
constexpr unsigned long kImmutableOption = 0;
constexpr unsigned long kMutableContainersOption = 1;
constexpr unsigned long kBinaryFormat = 200;

// GNUstep sets up the classes behind reading and writing a property list (data, both
// parsers, the binary encoder, the strings and numbers they make) the first time they are
// used, and keeps what that makes for the life of the process. This does that first use on
// purpose, once, on a list of no consequence, so every such allocation is made here: the
// leak check names this function (scripts/lsan.supp) instead of hiding whole libraries,
// and a list a caller leaks is still reported.
void setUpPropertyListClasses() {
  static const bool done = [] {
    static const char kXml[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict><key>k</key>"
        "<array><true/><integer>1</integer><real>0.5</real><string>s</string></array></dict>"
        "</plist>";
    // {"k": [true, 1, 0.5, "s"]} in the binary format.
    static const unsigned char kBinary[] = {
        'b',  'p',  'l',  'i',  's',  't',  '0',  '0',  0xD1, 0x01, 0x02, 0x51, 'k',  0xA4, 0x03,
        0x04, 0x05, 0x06, 0x09, 0x10, 0x01, 0x23, 0x3F, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x51, 's',  0x08, 0x0B, 0x0D, 0x12, 0x13, 0x15, 0x1E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20};
    try {
      AutoreleasePool pool;
      for (auto [bytes, length] : {std::pair<const void*, size_t>{kXml, sizeof kXml - 1},
                                   std::pair<const void*, size_t>{kBinary, sizeof kBinary}}) {
        id data = send<id>(cls::NSData.get(), sel::dataWithBytes_length_, bytes,
                           static_cast<NSUInteger>(length));
        id plist = send<id>(
            cls::NSPropertyListSerialization.get(), sel::propertyListWithData_options_format_error_,
            data, kMutableContainersOption, static_cast<void*>(nullptr), static_cast<id*>(nullptr));
        send<id>(cls::NSPropertyListSerialization.get(),
                 sel::dataWithPropertyList_format_options_error_, plist, kBinaryFormat, 0UL,
                 static_cast<id*>(nullptr));
      }
    } catch (...) {
      // Only a head start: the real reads guard themselves.
    }
    return true;
  }();
  (void)done;
}

}  // namespace

id copyPropertyList(const void* bytes, size_t length, Containers containers) {
  setUpPropertyListClasses();
  if (!withinPropertyListBounds(static_cast<const unsigned char*>(bytes), length)) return nil;
  // The one place a property-list parser runs: whatever it raises ends here, as the nil
  // Apple's Foundation would have returned. Nothing the parser made outlives the pool.
  // From bytes rather than -initWithContentsOfFile:, which reads no binary lists in
  // GNUstep and logs when it fails.
  try {
    AutoreleasePool pool;
    id data = send<id>(cls::NSData.get(), sel::dataWithBytes_length_, bytes,
                       static_cast<NSUInteger>(length));
    unsigned long options =
        containers == Containers::kMutable ? kMutableContainersOption : kImmutableOption;
    id plist = send<id>(cls::NSPropertyListSerialization.get(),
                        sel::propertyListWithData_options_format_error_, data, options,
                        static_cast<void*>(nullptr), static_cast<id*>(nullptr));
    return retain(plist);
  } catch (...) {
    return nil;
  }
}

id copyDictionaryFromBytes(const void* bytes, size_t length, Containers containers) {
  id plist = copyPropertyList(bytes, length, containers);
  if (!isKindOf(plist, cls::NSDictionary)) {
    release(plist);
    return nil;
  }
  // Some readers hand back an immutable root whatever they were asked for.
  if (containers == Containers::kMutable && !isKindOf(plist, cls::NSMutableDictionary)) {
    id copy = send<id>(plist, sel::mutableCopy);
    release(plist);
    return copy;
  }
  return plist;
}

bool encodeBinaryPropertyList(id plist, std::string* bytes) {
  setUpPropertyListClasses();
  bytes->clear();
  try {
    AutoreleasePool pool;
    id data = send<id>(cls::NSPropertyListSerialization.get(),
                       sel::dataWithPropertyList_format_options_error_, plist, kBinaryFormat, 0UL,
                       static_cast<id*>(nullptr));
    if (data == nil) return false;
    bytes->assign(send<const char*>(data, sel::bytes), send<NSUInteger>(data, sel::length));
  } catch (...) {
    bytes->clear();
    return false;
  }
  // What a later read will see: anything the writer dropped or changed shows here.
  id again = copyPropertyList(bytes->data(), bytes->size(), Containers::kImmutable);
  bool exact = again != nil && send<BOOL>(again, sel::isEqual_, plist) != NO;
  release(again);
  if (!exact) bytes->clear();
  return exact;
}

}  // namespace vm
