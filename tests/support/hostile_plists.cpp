#include "tests/support/hostile_plists.h"

#include <cstdint>

#include "bridge/foundation.h"
#include "linux_only/property_list_files.h"
#include "settings_store/property_list.h"
#include "tests/support/device_root.h"

namespace vm::test {
namespace {

std::string bigEndian(uint64_t value, unsigned width) {
  std::string bytes(width, '\0');
  for (unsigned i = 0; i < width; ++i) bytes[width - 1 - i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

// A binary list of ready-made objects (references four bytes wide), with the trailer's
// fields as given.
struct BinaryList {
  std::vector<std::string> objects;
  unsigned offsetWidth = 4;
  unsigned refWidth = 4;
  uint64_t countOverride = 0;

  std::string bytes() const {
    std::string out = "bplist00";
    std::vector<uint64_t> offsets;
    for (const std::string& object : objects) {
      offsets.push_back(out.size());
      out += object;
    }
    uint64_t table = out.size();
    for (uint64_t offset : offsets) out += bigEndian(offset, offsetWidth > 8 ? 8 : offsetWidth);
    out += std::string(6, '\0');
    out += static_cast<char>(offsetWidth);
    out += static_cast<char>(refWidth);
    out += bigEndian(countOverride != 0 ? countOverride : objects.size(), 8);
    out += bigEndian(0, 8);  // the top object
    out += bigEndian(table, 8);
    return out;
  }
};

std::string array(const std::vector<uint32_t>& refs) {
  std::string object(1, static_cast<char>(0xa0 | refs.size()));
  for (uint32_t ref : refs) object += bigEndian(ref, 4);
  return object;
}

std::string validBinary() {
  AutoreleasePool pool;
  id yes = send<id>(cls::NSNumber.get(), sel::numberWithBool_, static_cast<BOOL>(YES));
  return binaryPlistOf(dictionaryOf({{"ENABLED1", yes}, {"vmColor6", nsString("#ff0000")}}));
}

// The trailer's offset width, replaced.
std::string withOffsetWidth(std::string bytes, unsigned char width) {
  bytes[bytes.size() - 26] = static_cast<char>(width);
  return bytes;
}

}  // namespace

id dictionaryOf(std::initializer_list<std::pair<const char*, id>> entries) {
  id dictionary = send<id>(cls::NSMutableDictionary.get(), sel::dictionary);
  for (const auto& [key, value] : entries)
    send<void>(dictionary, sel::setObject_forKey_, value, nsString(key));
  return dictionary;
}

std::string binaryPlistOf(id plist) {
  std::string bytes;
  return encodeBinaryPropertyList(plist, &bytes) ? bytes : std::string();
}

std::string nestedXmlDictionaries(int depth) {
  std::string body;
  for (int i = 1; i < depth; ++i) body += "<key>a</key><dict>";
  body += "<key>ENABLED1</key><true/>";
  for (int i = 1; i < depth; ++i) body += "</dict>";
  return xmlPlist(body);
}

std::vector<NamedBytes> hostilePropertyLists() {
  const std::string valid = validBinary();
  std::vector<NamedBytes> files;
  files.push_back({"1000 zero bytes", std::string(1000, '\0')});
  files.push_back({"half a binary list", valid.substr(0, valid.size() / 2)});
  files.push_back({"binary list without its trailer", valid.substr(0, valid.size() - 1)});
  files.push_back({"array inside itself", BinaryList{{array({0})}}.bytes()});
  BinaryList huge{{array({1}), "\x09"}};
  huge.countOverride = uint64_t{1} << 40;
  files.push_back({"huge object count", huge.bytes()});
  files.push_back({"offset size 0", withOffsetWidth(valid, 0)});
  files.push_back({"offset size 3", withOffsetWidth(valid, 3)});
  files.push_back({"offset size 9", withOffsetWidth(valid, 9)});
  files.push_back({"reference past the objects", BinaryList{{array({7})}}.bytes()});
  // An ASCII string whose count says 2^60 bytes.
  files.push_back({"string longer than the file",
                   BinaryList{{"\x5f\x13" + bigEndian(uint64_t{1} << 60, 8) + "abc"}}.bytes()});
  // Each array holds the next one twice: 2^40 arrays once references are followed.
  BinaryList shared;
  for (uint32_t i = 0; i < 40; ++i) shared.objects.push_back(array({i + 1, i + 1}));
  shared.objects.push_back("\x09");
  files.push_back({"arrays shared 2^40 times", shared.bytes()});
  BinaryList deep;
  for (uint32_t i = 0; i < 100000; ++i) deep.objects.push_back(array({i + 1}));
  deep.objects.push_back("\x09");
  files.push_back({"100k nested binary arrays", deep.bytes()});
  files.push_back({"100k nested parentheses", std::string(100000, '(') + std::string(100000, ')')});
  files.push_back({"100k nested XML dictionaries", nestedXmlDictionaries(100000)});
  files.push_back({"XML entities",
                   "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"aaaaaaaaaa\">"
                   "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><plist version=\"1.0\">"
                   "<dict><key>vmColor6</key><string>&b;&b;&b;</string></dict></plist>"});
  files.push_back(
      {"over 1 MiB", xmlPlist("<key>ENABLED1</key><false/>" + std::string(size_t{1} << 20, ' '))});
  return files;
}

std::string hostilePropertyList(const std::string& name) {
  for (const NamedBytes& file : hostilePropertyLists()) {
    if (file.name == name) return file.bytes;
  }
  return std::string();
}

}  // namespace vm::test
