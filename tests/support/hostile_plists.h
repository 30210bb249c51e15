// Property-list files that must read as "no property list" without harming the reader:
// each once crashed, hung or aborted a host, or would have. Shared by the reader's, the
// flags', the colours' and the hosts' tests.
#pragma once

#include <objc/runtime.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vm::test {

struct NamedBytes {
  std::string name;
  std::string bytes;
};

// Every hostile file, named for test output.
std::vector<NamedBytes> hostilePropertyLists();

// The one named `name`; empty if there is none.
std::string hostilePropertyList(const std::string& name);

// A new autoreleased mutable dictionary of these keys and values.
id dictionaryOf(std::initializer_list<std::pair<const char*, id>> entries);

// `plist` as a binary property list, as the device writes one.
std::string binaryPlistOf(id plist);

// A dictionary, nested `depth` levels deep counting the root (depth 1 is a flat
// dictionary), as an XML property list.
std::string nestedXmlDictionaries(int depth);

}  // namespace vm::test
