// The rows of a specifier list (the "items" array of a property-list dictionary), each as
// plain text by key: what tests compare lists by.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bridge/foundation.h"

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
    id keys = send<id>(item, sel::allKeys);
    PlistRow& row = rows.emplace_back();
    for (NSUInteger k = 0; k < send<NSUInteger>(keys, sel::count); ++k) {
      id key = send<id>(keys, sel::objectAtIndex_, k);
      row[stdString(key)] = plistText(send<id>(item, sel::objectForKey_, key));
    }
  }
  release(plist);
  return rows;
}

// The text of `key` in `row`; empty when the row has none.
inline std::string field(const PlistRow& row, const std::string& key) {
  auto found = row.find(key);
  return found == row.end() ? std::string() : found->second;
}

}  // namespace vm::test
