// What a row stores: which values suit it, and writing one into its domain's file. The
// Settings application never writes a file itself; the rows do, and announce it.
#include <mutex>
#include <set>

#include "settings_store/property_list.h"
#include "settings_store/settings_domain.h"
#include "standins/corefoundation/CoreFoundation.h"
#include "standins/preferences/domain_file.h"
#include "standins/preferences/domain_name_rule.h"
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {
namespace {

std::mutex gOutcomeLock;
WriteOutcome& lastOutcome() {
  static auto* outcome = new WriteOutcome();  // lives as long as the process
  return *outcome;
}

id property(id specifier, const char* name) {
  return send<id>(specifier, sel::propertyForKey_, nsString(name));
}

std::string rowName(id specifier) {
  std::string label = stringProperty(specifier, key::kLabel);
  std::string rowKey = stringProperty(specifier, key::kKey);
  if (label.empty()) return rowKey.empty() ? std::string("this row") : rowKey;
  return rowKey.empty() ? "\"" + label + "\"" : rowKey + " (\"" + label + "\")";
}

void post(const std::string& name) {
  // Names come from the lists, so they cannot be literals for CFSTR.
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       __CFStringMakeConstantString(name.c_str()), nullptr, nullptr,
                                       true);
}

WriteOutcome unreadable(const std::string& path) {
  // Too large is no sign of damage: starting afresh would drop every value in it.
  std::string oversize = oversizeText(path, kMaxPropertyListBytes);
  if (!oversize.empty())
    return {WriteStatus::kWriteFailed, "the settings file " + path + " is too large to read (" +
                                           oversize + "); it was left as it is"};
  return {WriteStatus::kUnreadableFile,
          "the settings file " + path +
              " holds no property list of a dictionary; it was left as it is"};
}

}  // namespace

std::string stringProperty(id specifier, const char* name) {
  id value = property(specifier, name);
  return isString(value) ? stdString(value) : std::string();
}

bool storesValue(id specifier) {
  return !stringProperty(specifier, key::kKey).empty() &&
         !stringProperty(specifier, key::kDefaults).empty();
}

std::string domainFilePath(const std::string& domain) {
  return SettingsDomain::named(domain).hostPath();
}

std::string domainFolderProblem(const std::string& domain) {
  return folderProblem(domainFilePath(domain));
}

DomainFileState domainFileState(const std::string& domain) {
  if (!domainNameProblem(domain).empty()) return DomainFileState::kMissing;  // never read
  AutoreleasePool pool;
  DomainFileState state = DomainFileState::kMissing;
  release(copyDomainDictionary(domainFilePath(domain), &state));
  return state;
}

std::string checkValue(id specifier, id value) {
  if (!storesValue(specifier)) return rowName(specifier) + " stores no value";
  std::string badDomain = domainNameProblem(stringProperty(specifier, key::kDefaults));
  if (!badDomain.empty()) return rowName(specifier) + ": " + badDomain;
  std::string cellType = stringProperty(specifier, key::kCell);
  if (cellType == cell::kSwitch) {
    if (!isKindOf(value, vm::cls::NSNumber))
      return rowName(specifier) + " is a switch: its value is on or off";
    return std::string();
  }
  if (!isString(value)) return rowName(specifier) + " takes text";
  return std::string();
}

WriteOutcome writeValue(id specifier, id value) {
  AutoreleasePool pool;
  std::string problem = checkValue(specifier, value);
  if (!problem.empty()) return {WriteStatus::kRefusedValue, problem};
  return storeInDomain(stringProperty(specifier, key::kDefaults), property(specifier, key::kKey),
                       value, stringProperty(specifier, key::kPostNotification));
}

WriteOutcome storeInDomain(const std::string& domain, id key, id value,
                           const std::string& notification) {
  std::string badDomain = domainNameProblem(domain);
  if (!badDomain.empty()) return {WriteStatus::kRefusedValue, badDomain};
  AutoreleasePool pool;
  std::string path = domainFilePath(domain);
  {
    DomainLock lock(path);
    if (!lock.held()) return {WriteStatus::kWriteFailed, lock.error()};
    DomainFileState state = DomainFileState::kMissing;
    id values = copyDomainDictionary(path, &state);
    if (values == nil) return unreadable(path);
    send<void>(values, sel::setObject_forKey_, value, key);
    std::string error;
    bool replaced = replaceDomainFile(path, values, &error);
    release(values);
    if (!replaced) return {WriteStatus::kWriteFailed, error};
  }
  if (!notification.empty()) post(notification);
  return {};
}

id storedInDomain(const std::string& domain, id key) {
  id value = nil;
  // A domain whose file would lie outside the preferences folder is never read.
  if (domainNameProblem(domain).empty()) {
    AutoreleasePool pool;
    DomainFileState state = DomainFileState::kMissing;
    id values = copyDomainDictionary(domainFilePath(domain), &state);
    // Kept past the dictionary and the pool; handed to the caller's pool below.
    value = retain(send<id>(values, sel::objectForKey_, key));
    release(values);
  }
  return send<id>(value, sel::autorelease);
}

WriteOutcome resetToDefaults(const std::vector<id>& specifiers,
                             const std::vector<DomainValue>& more) {
  AutoreleasePool pool;
  std::vector<DomainValue> values = more;
  for (id row : specifiers) {
    if (!storesValue(row)) continue;
    values.push_back({stringProperty(row, key::kDefaults), property(row, key::kKey),
                      property(row, key::kDefault), stringProperty(row, key::kPostNotification)});
  }
  id domains = send<id>(vm::cls::NSMutableDictionary.get(), sel::dictionary);
  std::set<std::string> notifications;
  for (const DomainValue& each : values) {
    id domain = nsString(each.domain);
    id domainValues = send<id>(domains, sel::objectForKey_, domain);
    if (domainValues == nil) {
      domainValues = send<id>(vm::cls::NSMutableDictionary.get(), sel::dictionary);
      send<void>(domains, sel::setObject_forKey_, domainValues, domain);
    }
    if (each.value != nil && each.key != nil)
      send<void>(domainValues, sel::setObject_forKey_, each.value, each.key);
    if (!each.notification.empty()) notifications.insert(each.notification);
  }
  id names = send<id>(domains, sel::allKeys);
  NSUInteger count = send<NSUInteger>(names, sel::count);
  // Every name checked before any file is replaced, so a refusal changes nothing.
  for (NSUInteger i = 0; i < count; ++i) {
    std::string problem = domainNameProblem(stdString(send<id>(names, sel::objectAtIndex_, i)));
    if (!problem.empty()) return {WriteStatus::kRefusedValue, problem};
  }
  for (NSUInteger i = 0; i < count; ++i) {
    id domain = send<id>(names, sel::objectAtIndex_, i);
    std::string path = domainFilePath(stdString(domain));
    DomainLock lock(path);
    if (!lock.held()) return {WriteStatus::kWriteFailed, lock.error()};
    std::string error;
    if (!replaceDomainFile(path, send<id>(domains, sel::objectForKey_, domain), &error))
      return {WriteStatus::kWriteFailed, error};
  }
  for (const std::string& name : notifications) post(name);
  return {};
}

void recordWriteOutcome(const WriteOutcome& outcome) {
  std::lock_guard<std::mutex> hold(gOutcomeLock);
  lastOutcome() = outcome;
}

WriteOutcome lastWriteOutcome() {
  std::lock_guard<std::mutex> hold(gOutcomeLock);
  return lastOutcome();
}

}  // namespace vm::preferences
