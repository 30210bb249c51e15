// The rows of a specifier list (the "items" array of a property-list dictionary), each as
// plain text by key: what tests compare lists by. A dictionary in a row is "{...}" under its
// key, and each of its values under "key.itsKey".
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bridge/foundation.h"
#include "linux_only/property_list_files.h"

namespace vm::test {

using PlistRow = std::map<std::string, std::string>;  // booleans read as "true" / "false"

inline std::string plistText(id value) {
  if (isString(value)) return stdString(value);
  if (isKindOf(value, cls::NSNumber)) return send<BOOL>(value, sel::boolValue) ? "true" : "false";
  return "?";
}

// The rows of `file`; none, and a failure, if it holds no dictionary.
inline std::vector<PlistRow> plistRows(const std::string& file) {
  AutoreleasePool pool;
  std::vector<PlistRow> rows;
  id plist = copyDictionaryAtPath(nsString(file));
  EXPECT_NE(plist, nil) << file;
  id items = send<id>(plist, sel::objectForKey_, nsString("items"));
  for (NSUInteger i = 0; i < send<NSUInteger>(items, sel::count); ++i) {
    id item = send<id>(items, sel::objectAtIndex_, i);
    PlistRow& row = rows.emplace_back();
    auto add = [&row](id dictionary, const std::string& prefix, auto& addNested) -> void {
      id keys = send<id>(dictionary, sel::allKeys);
      for (NSUInteger k = 0; k < send<NSUInteger>(keys, sel::count); ++k) {
        id key = send<id>(keys, sel::objectAtIndex_, k);
        id value = send<id>(dictionary, sel::objectForKey_, key);
        const std::string name = prefix + stdString(key);
        if (isKindOf(value, cls::NSDictionary)) {
          row[name] = "{...}";
          addNested(value, name + ".", addNested);
        } else {
          row[name] = plistText(value);
        }
      }
    };
    add(item, "", add);
  }
  release(plist);
  return rows;
}

// The text of `key` in `row`; empty when the row has none.
inline std::string field(const PlistRow& row, const std::string& key) {
  auto found = row.find(key);
  return found == row.end() ? std::string() : found->second;
}

// The dictionary under `key` in `row`, as a row of its own.
inline PlistRow dictionaryField(const PlistRow& row, const std::string& key) {
  PlistRow inner;
  const std::string prefix = key + ".";
  for (const auto& [name, text] : row)
    if (name.rfind(prefix, 0) == 0) inner[name.substr(prefix.size())] = text;
  return inner;
}

}  // namespace vm::test
