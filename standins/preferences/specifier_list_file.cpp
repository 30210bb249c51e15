// Reading a bundle's specifier list ("<bundle>/<name>.plist") into rows. A controller's
// lists live in the bundle its class came from, found through the bundle registry.
#include "linux_only/property_list_files.h"
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {}  // namespace

id newSpecifiersFromList(id controller, const std::string& name, id target) {
  id rows = send<id>(vm::cls::NSMutableArray.get(), sel::new_);
  std::string directory = bundleDirectoryOf(object_getClass(controller));
  if (directory.empty()) {
    logf("No bundle holds the class %s; list %s not loaded", object_getClassName(controller),
         name.c_str());
    return rows;
  }
  std::string path = directory + "/" + name + ".plist";
  id list = copyDictionaryAtPath(nsString(path));
  if (list == nil) {
    logf("No specifier list at %s", path.c_str());
    return rows;
  }
  id title = send<id>(list, sel::objectForKey_, nsString(key::kTitle));
  if (isString(title)) send<void>(controller, sel::setTitle_, title);
  id items = send<id>(list, sel::objectForKey_, nsString(key::kItems));
  NSUInteger count = isKindOf(items, vm::cls::NSArray) ? send<NSUInteger>(items, sel::count) : 0;
  for (NSUInteger i = 0; i < count; ++i) {
    id entry = send<id>(items, sel::objectAtIndex_, i);
    if (!isKindOf(entry, vm::cls::NSDictionary)) continue;
    id row = newSpecifier(entry, target);
    send<void>(rows, sel::addObject_, row);
    release(row);
  }
  release(list);
  return rows;
}

}  // namespace vm::preferences
