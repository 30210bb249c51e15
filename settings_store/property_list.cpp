#include "settings_store/property_list.h"

#include "bridge/foundation.h"
#include "bridge/linux_seams.h"

namespace vm {

id copyPropertyList(const void* bytes, size_t length, Containers containers) {
  gnustep::setUpPropertyListClasses();
  if (!withinPropertyListBounds(static_cast<const unsigned char*>(bytes), length)) return nil;
  // The one place a property-list parser runs: whatever it raises ends here, as the nil
  // Apple's Foundation would have returned. Nothing the parser made outlives the pool.
  // From bytes rather than -initWithContentsOfFile:, which reads no binary lists in
  // GNUstep and logs when it fails.
  try {
    AutoreleasePool pool;
    id data = send<id>(cls::NSData.get(), sel::dataWithBytes_length_, bytes,
                       static_cast<NSUInteger>(length));
    unsigned long options = containers == Containers::kMutable ? kPropertyListMutableContainers
                                                               : kPropertyListImmutable;
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

}  // namespace vm
