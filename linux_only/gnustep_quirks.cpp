// GNUstep-base's needs, behind the bridge's Linux seams (bridge/linux_seams.h).
#include <cstring>
#include <utility>

#include "bridge/foundation.h"
#include "bridge/linux_seams.h"
#include "settings_store/property_list.h"

namespace vm::gnustep {

void setUpFoundationClasses() {
  static const bool done = [] {
    release(send<id>(send<id>(cls::NSObject.get(), sel::alloc), sel::init));
    send<id>(nsString("a:b"), sel::componentsSeparatedByString_, nsString(":"));
    return true;
  }();
  (void)done;
}

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
        id plist = send<id>(cls::NSPropertyListSerialization.get(),
                            sel::propertyListWithData_options_format_error_, data,
                            kPropertyListMutableContainers, static_cast<void*>(nullptr),
                            static_cast<id*>(nullptr));
        send<id>(cls::NSPropertyListSerialization.get(),
                 sel::dataWithPropertyList_format_options_error_, plist, kPropertyListBinaryFormat,
                 0UL, static_cast<id*>(nullptr));
      }
    } catch (...) {
      // Only a head start: the real reads guard themselves.
    }
    return true;
  }();
  (void)done;
}

// A declaration is "<?xml", white space, then attributes whose quotes close, up to "?>";
// "<??>" and "<?[\"?>" are not.
bool parserSurvivesDeclarations(const unsigned char* bytes, size_t length) {
  for (size_t at = 0; at + 1 < length; ++at) {
    if (bytes[at] != '<' || bytes[at + 1] != '?') continue;
    if (length - at < 6 || std::memcmp(bytes + at, "<?xml", 5) != 0) return false;
    unsigned char after = bytes[at + 5];
    if (after != ' ' && after != '\t' && after != '\r' && after != '\n') return false;
    unsigned char quote = 0;
    bool closed = false;
    for (at += 6; at < length; ++at) {
      unsigned char c = bytes[at];
      if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') return false;
      if (quote != 0) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '<' || c == '>') {
        return false;
      } else if (c == '?' && at + 1 < length && bytes[at + 1] == '>') {
        closed = true;
        ++at;
        break;
      }
    }
    if (!closed) return false;
  }
  return true;
}

}  // namespace vm::gnustep
