// Property lists as files, and lists encoded as the device writes them: what the hosts, the
// stand-ins and the tests need. The product only reads its settings, through the settings
// store (settings_store/settings_domain.h), so the device build has none of this. Every
// read goes through the one reader (settings_store/property_list.h).
#pragma once

#include <objc/runtime.h>

#include <string>

namespace vm {

// Reads the property list at `path` (XML, binary or old-style text) and returns a new
// mutable dictionary that the caller owns (+1), or nil when the file is missing, not a
// regular file, unreadable, not a property list within the reader's bounds or its root is
// not a dictionary. Logs nothing, never raises.
id copyDictionaryAtPath(id path);
// The same for a path of any bytes: a device root whose name is not UTF-8 still reads.
id copyDictionaryAtPath(const std::string& path);

// Writes a dictionary as an XML property list to `path`, replacing the file atomically.
bool writeDictionaryAtPath(id dictionary, id path);

// `plist` as a binary property list (the encoding the device writes), into `bytes`. False
// when it cannot be encoded, or when reading the encoding back through the reader would
// not give an equal list: every string, keys included, must come back exactly, or
// nothing is written. Never raises.
bool encodeBinaryPropertyList(id plist, std::string* bytes);

}  // namespace vm
