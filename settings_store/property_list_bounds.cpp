// Checks made before bytes reach the property-list parser. They only need to be
// conservative: anything they let through that is still malformed makes the parser fail
// or raise, which the reader catches; what they must stop is input that makes the parser
// recurse without end, loop, or allocate far beyond the data's size.
#include <cstdint>
#include <cstring>
#include <vector>

#include "bridge/linux_seams.h"
#include "settings_store/property_list.h"

namespace vm {
namespace {

bool startsWith(const unsigned char* bytes, size_t length, size_t at, const char* text) {
  size_t n = std::strlen(text);
  return at <= length && length - at >= n && std::memcmp(bytes + at, text, n) == 0;
}

// --- Binary lists ("bplist00"): a header, the objects, a table of their offsets and a
// 32-byte trailer (offset width, reference width, object count, top object, table offset).

constexpr size_t kBinaryHeader = 8;
constexpr size_t kBinaryTrailer = 32;

uint64_t bigEndian(const unsigned char* p, size_t width) {
  uint64_t value = 0;
  for (size_t i = 0; i < width; ++i) value = (value << 8) | p[i];
  return value;
}

class BinaryList {
 public:
  BinaryList(const unsigned char* bytes, size_t length) : bytes_(bytes), length_(length) {}

  bool withinBounds() {
    if (!readTrailer()) return false;
    return walk();
  }

 private:
  struct Object {
    size_t firstRef = 0;  // offset of its references
    size_t refCount = 0;  // 0 for everything but arrays, sets and dictionaries
    bool container = false;
  };
  struct Frame {
    uint64_t index;
    Object object;
    size_t next = 0;  // the next reference to visit
  };
  enum State : uint8_t { kUnvisited, kOpen, kDone };

  bool readTrailer() {
    if (length_ < kBinaryHeader + kBinaryTrailer) return false;
    const unsigned char* t = bytes_ + length_ - kBinaryTrailer;
    offsetWidth_ = t[6];
    refWidth_ = t[7];
    count_ = bigEndian(t + 8, 8);
    top_ = bigEndian(t + 16, 8);
    tableOffset_ = bigEndian(t + 24, 8);
    if (offsetWidth_ < 1 || offsetWidth_ > 8 || refWidth_ < 1 || refWidth_ > 8) return false;
    const uint64_t end = length_ - kBinaryTrailer;
    if (count_ == 0 || top_ >= count_ || tableOffset_ < kBinaryHeader || tableOffset_ > end)
      return false;
    // The table must fit between its offset and the trailer: this also bounds the count.
    return count_ <= (end - tableOffset_) / offsetWidth_;
  }

  // Where the object's bytes start, if inside the object area.
  bool offsetOf(uint64_t index, size_t* offset) const {
    uint64_t at = bigEndian(bytes_ + tableOffset_ + index * offsetWidth_, offsetWidth_);
    if (at < kBinaryHeader || at >= tableOffset_) return false;
    *offset = static_cast<size_t>(at);
    return true;
  }

  // Whether `size` bytes from `from` end inside the object area.
  bool fits(size_t from, uint64_t size) const { return size <= tableOffset_ - from; }

  // The element count of the object whose marker is at `at`, and where its payload starts.
  bool countOf(size_t at, uint64_t* count, size_t* payload) const {
    unsigned low = bytes_[at] & 0x0f;
    if (low != 0x0f) {
      *count = low;
      *payload = at + 1;
      return true;
    }
    // The count follows as an integer object of 1, 2, 4 or 8 bytes.
    if (!fits(at, 2) || (bytes_[at + 1] & 0xf0) != 0x10) return false;
    unsigned width = 1u << (bytes_[at + 1] & 0x0f);
    if (width > 8 || !fits(at + 2, width)) return false;
    *count = bigEndian(bytes_ + at + 2, width);
    *payload = at + 2 + width;
    return true;
  }

  bool readObject(uint64_t index, Object* object) const {
    size_t at = 0;
    if (!offsetOf(index, &at)) return false;
    const unsigned type = bytes_[at] >> 4;
    const unsigned low = bytes_[at] & 0x0f;
    uint64_t count = 0;
    size_t payload = 0;
    switch (type) {
      case 0x0:  // null, false, true, fill
        return true;
      case 0x1:  // integer of 2^low bytes
      case 0x2:  // real of 2^low bytes
        return low <= 4 && fits(at + 1, uint64_t{1} << low);
      case 0x3:  // date
        return fits(at + 1, 8);
      case 0x8:  // uid of low+1 bytes
        return fits(at + 1, low + 1);
      case 0x4:  // data
      case 0x5:  // ASCII string
        return countOf(at, &count, &payload) && fits(payload, count);
      case 0x6:  // UTF-16 string
        return countOf(at, &count, &payload) && count <= length_ && fits(payload, count * 2);
      case 0xa:    // array
      case 0xc:    // set
      case 0xd: {  // dictionary: the keys' references, then the values'
        if (!countOf(at, &count, &payload)) return false;
        uint64_t refs = type == 0xd ? count * 2 : count;
        if (count > length_ || !fits(payload, refs * refWidth_)) return false;
        object->firstRef = payload;
        object->refCount = static_cast<size_t>(refs);
        object->container = true;
        return true;
      }
      default:
        return false;
    }
  }

  // Depth-first from the top object: every reference inside the table, no object inside
  // itself, no deeper than the depth bound, and no more objects built than the object
  // bound when shared objects are read once per reference (as the parser does).
  bool walk() {
    std::vector<uint8_t> state(static_cast<size_t>(count_), kUnvisited);
    std::vector<uint32_t> built(static_cast<size_t>(count_), 0);
    std::vector<Frame> stack;
    // Adds what `child` builds to its container's count.
    auto addToParent = [&](uint64_t child) {
      if (stack.empty()) return true;
      uint64_t sum = uint64_t{built[stack.back().index]} + built[child];
      built[stack.back().index] = static_cast<uint32_t>(sum > kMaxPropertyListObjects ? 0 : sum);
      return sum <= kMaxPropertyListObjects;
    };
    // Containers take a level each, as they do in the parser; other values none.
    auto visit = [&](uint64_t index) {
      Frame frame{index, {}, 0};
      if (!readObject(index, &frame.object)) return false;
      built[index] = 1;
      if (!frame.object.container) {
        state[index] = kDone;
        return addToParent(index);
      }
      state[index] = kOpen;
      stack.push_back(frame);
      return stack.size() <= static_cast<size_t>(kMaxPropertyListDepth);
    };
    if (!visit(top_)) return false;
    while (!stack.empty()) {
      Frame& frame = stack.back();
      if (frame.next == frame.object.refCount) {
        state[frame.index] = kDone;
        uint64_t done = frame.index;
        stack.pop_back();
        if (!addToParent(done)) return false;
        continue;
      }
      uint64_t child =
          bigEndian(bytes_ + frame.object.firstRef + frame.next * refWidth_, refWidth_);
      ++frame.next;
      if (child >= count_) return false;
      if (state[child] == kOpen) return false;  // an object inside itself
      if (state[child] == kDone) {
        if (!addToParent(child)) return false;
        continue;
      }
      if (!visit(child)) return false;
    }
    return true;
  }

  const unsigned char* bytes_;
  size_t length_;
  unsigned offsetWidth_ = 0;
  unsigned refWidth_ = 0;
  uint64_t count_ = 0;
  uint64_t top_ = 0;
  uint64_t tableOffset_ = 0;
};

// --- Text lists. Both scanners may count a level too many, never one too few.

// Skips past `end`, or to the end of the text.
size_t skipPast(const unsigned char* bytes, size_t length, size_t at, const char* end) {
  size_t n = std::strlen(end);
  for (; at + n <= length; ++at) {
    if (std::memcmp(bytes + at, end, n) == 0) return at + n;
  }
  return length;
}

// The element nesting of XML. Comments, CDATA, processing instructions and the document
// type are skipped; quoted attribute values are skipped inside tags.
bool xmlWithinDepth(const unsigned char* bytes, size_t length, int limit) {
  int depth = 0;
  size_t at = 0;
  while (at < length) {
    if (bytes[at] != '<') {
      ++at;
      continue;
    }
    if (startsWith(bytes, length, at, "<!--")) {
      at = skipPast(bytes, length, at + 4, "-->");
    } else if (startsWith(bytes, length, at, "<![CDATA[")) {
      at = skipPast(bytes, length, at + 9, "]]>");
    } else if (startsWith(bytes, length, at, "<?")) {
      at = skipPast(bytes, length, at + 2, "?>");
    } else if (startsWith(bytes, length, at, "<!")) {
      at = skipPast(bytes, length, at + 2, ">");
    } else {
      bool closing = at + 1 < length && bytes[at + 1] == '/';
      unsigned char quote = 0;
      unsigned char last = 0;
      ++at;
      for (; at < length; ++at) {
        unsigned char c = bytes[at];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        } else if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
          last = c;
        }
      }
      ++at;
      if (closing) {
        if (depth > 0) --depth;
      } else if (last != '/' && ++depth > limit) {
        return false;
      }
    }
  }
  return true;
}

// The bracket nesting of old-style text: "(" and "{" open, ")" and "}" close; quoted
// strings, <data> and comments are skipped.
bool textWithinDepth(const unsigned char* bytes, size_t length, int limit) {
  int depth = 0;
  size_t at = 0;
  while (at < length) {
    unsigned char c = bytes[at];
    if (c == '"') {
      for (++at; at < length && bytes[at] != '"'; ++at) {
        if (bytes[at] == '\\') ++at;
      }
      ++at;
    } else if (c == '<') {
      at = skipPast(bytes, length, at + 1, ">");
    } else if (startsWith(bytes, length, at, "//")) {
      at = skipPast(bytes, length, at + 2, "\n");
    } else if (startsWith(bytes, length, at, "/*")) {
      at = skipPast(bytes, length, at + 2, "*/");
    } else {
      if (c == '(' || c == '{') {
        if (++depth > limit) return false;
      } else if ((c == ')' || c == '}') && depth > 0) {
        --depth;
      }
      ++at;
    }
  }
  return true;
}

bool textWithinBounds(const unsigned char* bytes, size_t length) {
  // UTF-8 or ASCII text only: a NUL or another control byte before the first character
  // means UTF-16, or GNUstep's own serialised form, which the device does not read.
  if (std::memchr(bytes, 0, length) != nullptr) return false;
  if (bytes[0] < 0x09) return false;
  // Entities could expand a small file into a huge one; no settings file declares any.
  static const char kEntity[] = "<!ENTITY";
  for (size_t at = 0; at + sizeof kEntity - 1 <= length; ++at) {
    if (bytes[at] == '<' && startsWith(bytes, length, at, kEntity)) return false;
  }
  // The parser decides between XML and old-style text itself; both readings must stay
  // within the depth. In XML the "plist" element and a value's own element (<key>,
  // <string>...) add a level each.
  return gnustep::parserSurvivesDeclarations(bytes, length) &&
         xmlWithinDepth(bytes, length, kMaxPropertyListDepth + 2) &&
         textWithinDepth(bytes, length, kMaxPropertyListDepth);
}

}  // namespace

bool withinPropertyListBounds(const unsigned char* bytes, size_t length) {
  if (bytes == nullptr || length == 0 || length > kMaxPropertyListBytes) return false;
  if (startsWith(bytes, length, 0, "bplist")) {
    return startsWith(bytes, length, 0, "bplist00") && BinaryList(bytes, length).withinBounds();
  }
  return textWithinBounds(bytes, length);
}

}  // namespace vm
