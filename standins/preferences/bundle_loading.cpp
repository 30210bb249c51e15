// Loading a preference bundle as the Settings application does, and remembering which
// classes came with it: the device asks the image a class came from for its bundle; here
// the classes that appear while a bundle's module loads are that bundle's.
#include <dlfcn.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <vector>

#include "linux_only/property_list_files.h"
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

std::mutex gRegistryLock;
std::map<Class, std::string>& registry() {
  static auto* classes = new std::map<Class, std::string>();  // lives as long as the process
  return *classes;
}

std::vector<Class> loadedClasses() {
  int count = objc_getClassList(nullptr, 0);
  std::vector<Class> classes(static_cast<size_t>(count > 0 ? count : 0));
  if (count > 0) classes.resize(static_cast<size_t>(objc_getClassList(classes.data(), count)));
  std::sort(classes.begin(), classes.end());
  return classes;
}

std::string infoString(id info, const char* name) {
  id value = send<id>(info, sel::objectForKey_, nsString(name));
  return isString(value) ? stdString(value) : std::string();
}

}  // namespace

std::string bundleDirectoryOf(Class cls) {
  std::lock_guard<std::mutex> hold(gRegistryLock);
  for (Class c = cls; c != nullptr; c = class_getSuperclass(c)) {
    auto found = registry().find(c);
    if (found != registry().end()) return found->second;
  }
  return std::string();
}

LoadedBundle loadBundle(const std::string& directory) {
  AutoreleasePool pool;
  LoadedBundle bundle;
  id info = copyDictionaryAtPath(nsString(directory + "/Info.plist"));
  if (info == nil) {
    bundle.error = "no readable Info.plist in " + directory;
    return bundle;
  }
  std::string executable = infoString(info, "CFBundleExecutable");
  std::string principal = infoString(info, "NSPrincipalClass");
  release(info);
  if (executable.empty() || principal.empty()) {
    bundle.error = directory + "/Info.plist names no CFBundleExecutable or NSPrincipalClass";
    return bundle;
  }

  std::lock_guard<std::mutex> hold(gRegistryLock);
  std::vector<Class> before = loadedClasses();
  std::string module = directory + "/" + executable;
  if (dlopen(module.c_str(), RTLD_NOW | RTLD_GLOBAL) == nullptr) {
    const char* error = dlerror();
    bundle.error = error != nullptr ? error : "cannot load " + module;
    return bundle;
  }
  for (Class c : loadedClasses()) {
    if (!std::binary_search(before.begin(), before.end(), c)) registry().emplace(c, directory);
  }
  bundle.principalClass = objc_getClass(principal.c_str());
  if (bundle.principalClass == nullptr) bundle.error = "the bundle makes no class " + principal;
  return bundle;
}

}  // namespace vm::preferences
