#include "tests/prefs/list_call_log.h"

#include "bridge/class_builder.h"
#include "bridge/foundation.h"
#include "standins/preferences/preferences.h"

namespace vm::test {
namespace {

IMP gLoad = nullptr;
IMP gClearCache = nullptr;
IMP gReload = nullptr;
IMP gViewWillAppear = nullptr;

id recordLoad(id self, SEL cmd, id name, id target) {
  ListCallLog::calls().push_back({"load " + stdString(name), self, target});
  return callImp<id>(gLoad, self, cmd, name, target);
}
void recordClearCache(id self, SEL cmd) {
  ListCallLog::calls().push_back({"clearCache", self, nil});
  callImp<void>(gClearCache, self, cmd);
}
void recordReload(id self, SEL cmd) {
  ListCallLog::calls().push_back({"reload", self, nil});
  callImp<void>(gReload, self, cmd);
}
void recordViewWillAppear(id self, SEL cmd, BOOL animated) {
  ListCallLog::calls().push_back(
      {animated ? "viewWillAppear:YES" : "viewWillAppear:NO", self, nil});
  callImp<void>(gViewWillAppear, self, cmd, animated);
}

template <typename Fn>
IMP replace(const char* selector, Fn* recorder) {
  Method method = class_getInstanceMethod(cls::PSListController.get(), sel_registerName(selector));
  return method_setImplementation(method, toImp(recorder));
}

}  // namespace

void ListCallLog::install() {
  if (gLoad == nullptr) {
    gLoad = replace("loadSpecifiersFromPlistName:target:", recordLoad);
    gClearCache = replace("clearCache", recordClearCache);
    gReload = replace("reload", recordReload);
    gViewWillAppear = replace("viewWillAppear:", recordViewWillAppear);
  }
  calls().clear();
}

std::vector<ListCall>& ListCallLog::calls() {
  static std::vector<ListCall> log;
  return log;
}

std::vector<std::string> ListCallLog::names() {
  std::vector<std::string> names;
  for (const ListCall& call : calls()) names.push_back(call.what);
  return names;
}

}  // namespace vm::test
