// Interned, never-freed strings: what CFSTR gives on the device (a constant in the binary)
// and what the centre hands to callbacks as a notification's name.
#include <mutex>
#include <string>
#include <unordered_map>

#include "standins/corefoundation/CoreFoundation.h"
#include "standins/corefoundation/kept_strings.h"

struct __CFString {
  std::string text;
  bool ascii;
};

namespace {

// Leaked on purpose: strings handed out must outlive static destruction, since a delivery
// thread may still be running while the process exits.
struct InternTable {
  std::mutex lock;
  std::unordered_map<std::string, const __CFString*> strings;
};

InternTable& table() {
  static InternTable* shared = new InternTable;
  return *shared;
}

bool isAscii(const std::string& text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

CFStringRef __CFStringMakeConstantString(const char* cStr) {
  if (cStr == nullptr) return nullptr;
  try {
    InternTable& interned = table();
    std::lock_guard<std::mutex> hold(interned.lock);
    auto found = interned.strings.find(cStr);
    if (found != interned.strings.end()) return found->second;
    std::string text(cStr);
    const __CFString* made = new __CFString{text, isAscii(text)};
    interned.strings.emplace(std::move(text), made);
    return made;
  } catch (...) {
    return nullptr;
  }
}

const char* CFStringGetCStringPtr(CFStringRef theString, CFStringEncoding encoding) {
  if (theString == nullptr) return nullptr;
  if (encoding == kCFStringEncodingUTF8) return theString->text.c_str();
  if (encoding == kCFStringEncodingASCII && theString->ascii) return theString->text.c_str();
  return nullptr;
}

size_t VMConstantStringCount(void) {
  InternTable& interned = table();
  std::lock_guard<std::mutex> hold(interned.lock);
  return interned.strings.size();
}
