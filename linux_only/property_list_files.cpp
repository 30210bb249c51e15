#include "linux_only/property_list_files.h"

#include "bridge/foundation.h"
#include "bridge/linux_seams.h"
#include "settings_store/file_bytes.h"
#include "settings_store/property_list.h"

namespace vm {

id copyDictionaryAtPath(id path) {
  return copyDictionaryAtPath(stdString(path));
}

id copyDictionaryAtPath(const std::string& path) {
  std::string bytes;
  FileIdentity ignored;
  if (!readRegularFile(path, kMaxPropertyListBytes, &bytes, &ignored)) return nil;
  return copyDictionaryFromBytes(bytes.data(), bytes.size(), Containers::kMutable);
}

bool writeDictionaryAtPath(id dictionary, id path) {
  id data = send<id>(cls::NSPropertyListSerialization.get(),
                     sel::dataWithPropertyList_format_options_error_, dictionary,
                     kPropertyListXmlFormat, 0UL, static_cast<id*>(nullptr));
  if (data == nil) return false;
  return send<BOOL>(data, sel::writeToFile_atomically_, path, static_cast<BOOL>(YES)) != NO;
}

bool encodeBinaryPropertyList(id plist, std::string* bytes) {
  gnustep::setUpPropertyListClasses();
  bytes->clear();
  try {
    AutoreleasePool pool;
    id data = send<id>(cls::NSPropertyListSerialization.get(),
                       sel::dataWithPropertyList_format_options_error_, plist,
                       kPropertyListBinaryFormat, 0UL, static_cast<id*>(nullptr));
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
