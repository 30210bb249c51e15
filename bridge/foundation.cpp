#include "foundation.h"

#include <sys/stat.h>

#include <cstdarg>
#include <cstdio>
#include <utility>
#include <vector>

namespace vm {
namespace {

const SelRef writeToFile_atomically_{"writeToFile:atomically:"};
const SelRef mutableCopy{"mutableCopy"};

// NSPropertyListSerialization's option and format values (shared by both platforms).
constexpr unsigned long kMutableContainers = 1;
constexpr unsigned long kXMLFormat = 100;

// GNUstep sets up the classes behind reading a property list (data, both parsers, the
// strings and numbers they make) the first time they are used, and keeps what that makes
// for the life of the process. This does that first use on purpose, once, on lists of no
// consequence, so every such allocation is made here: the leak check names this function
// (scripts/lsan.supp) instead of hiding whole libraries, and a dictionary a caller leaks is
// still reported.
void setUpPropertyListReading() {
  AutoreleasePool pool;
  static const char kXml[] =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict><key>k</key>"
      "<array><true/><integer>1</integer><real>0.5</real><string>s</string></array></dict></plist>";
  // {"k": [true, 1, 0.5, "s"]} in the binary format.
  static const unsigned char kBinary[] = {
      'b',  'p',  'l',  'i',  's',  't',  '0',  '0',  0xD1, 0x01, 0x02, 0x51, 'k',  0xA4, 0x03,
      0x04, 0x05, 0x06, 0x09, 0x10, 0x01, 0x23, 0x3F, 0xE0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x51, 's',  0x08, 0x0B, 0x0D, 0x12, 0x13, 0x15, 0x1E, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20};
  for (auto [bytes, length] : {std::pair<const void*, NSUInteger>{kXml, sizeof kXml - 1},
                               std::pair<const void*, NSUInteger>{kBinary, sizeof kBinary}}) {
    id data = send<id>(cls::NSData.get(), sel::dataWithBytes_length_, bytes, length);
    send<id>(cls::NSPropertyListSerialization.get(),
             sel::propertyListWithData_options_format_error_, data, kMutableContainers,
             static_cast<void*>(nullptr), static_cast<id*>(nullptr));
  }
}

}  // namespace

id nsString(const char* utf8) {
  if (utf8 == nullptr) return nil;
  return send<id>(cls::NSString.get(), sel::stringWithUTF8String_, utf8);
}

std::string stdString(id string) {
  const char* bytes = send<const char*>(string, sel::UTF8String);
  return bytes == nullptr ? std::string() : std::string(bytes);
}

bool isKindOf(id object, Class cls) {
  if (object == nil || cls == nullptr) return false;
  return send<BOOL>(object, sel::isKindOfClass_, asId(cls)) != NO;
}

AutoreleasePool::AutoreleasePool()
    : pool_(send<id>(send<id>(cls::NSAutoreleasePool.get(), sel::alloc), sel::init)) {}

AutoreleasePool::~AutoreleasePool() {
  release(pool_);
}

id copyDictionaryAtPath(id path) {
  static const bool ready = (setUpPropertyListReading(), true);
  (void)ready;
  // Only a regular file: a pipe in its place would block the caller, a directory or
  // device has nothing to read.
  struct stat info {};
  if (stat(stdString(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nil;
  // NSData + NSPropertyListSerialization rather than -initWithContentsOfFile:, which
  // reads no binary lists and logs on failure in GNUstep.
  id data = send<id>(cls::NSData.get(), sel::dataWithContentsOfFile_, path);
  if (data == nil || send<NSUInteger>(data, sel::length) == 0) return nil;
  id plist = send<id>(cls::NSPropertyListSerialization.get(),
                      sel::propertyListWithData_options_format_error_, data, kMutableContainers,
                      static_cast<void*>(nullptr), static_cast<id*>(nullptr));
  if (!isKindOf(plist, cls::NSDictionary)) return nil;
  // Immutable roots come back from some readers; the caller is promised a mutable one.
  if (isKindOf(plist, cls::NSMutableDictionary)) return retain(plist);
  return send<id>(plist, mutableCopy);
}

bool writeDictionaryAtPath(id dictionary, id path) {
  id data = send<id>(cls::NSPropertyListSerialization.get(),
                     sel::dataWithPropertyList_format_options_error_, dictionary, kXMLFormat, 0UL,
                     static_cast<id*>(nullptr));
  if (data == nil) return false;
  return send<BOOL>(data, writeToFile_atomically_, path, static_cast<BOOL>(YES)) != NO;
}

void logf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::vector<char> text(needed > 0 ? static_cast<size_t>(needed) + 1 : 1, '\0');
  if (needed > 0) std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  AutoreleasePool pool;
  NSLog(nsString("%s"), text.data());
}

}  // namespace vm
