// Foundation's classes and the selectors of objects, strings, collections, numbers, data
// and URLs that the tree sends. Naming rule: name_rule.h.
#pragma once

#include "bridge/names/name_rule.h"

#define VM_FOUNDATION_CLASSES(X)                                \
  X(NSObject, "NSObject")                                       \
  X(NSString, "NSString")                                       \
  X(NSMutableString, "NSMutableString")                         \
  X(NSArray, "NSArray")                                         \
  X(NSMutableArray, "NSMutableArray")                           \
  X(NSDictionary, "NSDictionary")                               \
  X(NSMutableDictionary, "NSMutableDictionary")                 \
  X(NSMutableSet, "NSMutableSet")                               \
  X(NSNull, "NSNull")                                           \
  X(NSNumber, "NSNumber")                                       \
  X(NSData, "NSData")                                           \
  X(NSPropertyListSerialization, "NSPropertyListSerialization") \
  X(NSAutoreleasePool, "NSAutoreleasePool")                     \
  X(NSURL, "NSURL")

#define VM_FOUNDATION_SELECTORS(X)                                                            \
  /* NSObject */                                                                              \
  X(alloc, "alloc")                                                                           \
  X(init, "init")                                                                             \
  X(new_, "new")                                                                              \
  X(copy, "copy")                                                                             \
  X(mutableCopy, "mutableCopy")                                                               \
  X(retain, "retain")                                                                         \
  X(release, "release")                                                                       \
  X(autorelease, "autorelease")                                                               \
  X(retainCount, "retainCount")                                                               \
  X(dealloc, "dealloc")                                                                       \
  X(isKindOfClass_, "isKindOfClass:")                                                         \
  X(isEqual_, "isEqual:")                                                                     \
  X(hash, "hash")                                                                             \
  X(description, "description")                                                               \
  X(respondsToSelector_, "respondsToSelector:")                                               \
  /* NSString */                                                                              \
  X(stringWithUTF8String_, "stringWithUTF8String:")                                           \
  X(stringWithFormat_, "stringWithFormat:")                                                   \
  X(initWithBytes_length_encoding_, "initWithBytes:length:encoding:")                         \
  X(UTF8String, "UTF8String")                                                                 \
  X(getCharacters_range_, "getCharacters:range:")                                             \
  X(length, "length")                                                                         \
  X(hasPrefix_, "hasPrefix:")                                                                 \
  X(substringFromIndex_, "substringFromIndex:")                                               \
  X(componentsSeparatedByString_, "componentsSeparatedByString:")                             \
  X(rangeOfString_, "rangeOfString:")                                                         \
  X(floatValue, "floatValue")                                                                 \
  X(doubleValue, "doubleValue")                                                               \
  X(boolValue, "boolValue")                                                                   \
  X(stringByAppendingString_, "stringByAppendingString:")                                     \
  X(appendString_, "appendString:")                                                           \
  X(stringWithString_, "stringWithString:")                                                   \
  X(setString_, "setString:")                                                                 \
  X(writeToFile_atomically_, "writeToFile:atomically:")                                       \
  /* Collections */                                                                           \
  X(count, "count")                                                                           \
  X(objectAtIndex_, "objectAtIndex:")                                                         \
  X(objectAtIndexedSubscript_, "objectAtIndexedSubscript:")                                   \
  X(objectForKey_, "objectForKey:")                                                           \
  X(setObject_forKey_, "setObject:forKey:")                                                   \
  X(removeObjectForKey_, "removeObjectForKey:")                                               \
  X(addObject_, "addObject:")                                                                 \
  X(removeObject_, "removeObject:")                                                           \
  X(removeObjectIdenticalTo_, "removeObjectIdenticalTo:")                                     \
  X(removeAllObjects, "removeAllObjects")                                                     \
  X(containsObject_, "containsObject:")                                                       \
  X(array, "array")                                                                           \
  X(arrayWithArray_, "arrayWithArray:")                                                       \
  X(dictionary, "dictionary")                                                                 \
  X(allKeys, "allKeys")                                                                       \
  X(null, "null")                                                                             \
  /* Values, data and URLs */                                                                 \
  X(numberWithBool_, "numberWithBool:")                                                       \
  X(numberWithDouble_, "numberWithDouble:")                                                   \
  X(dataWithContentsOfFile_, "dataWithContentsOfFile:")                                       \
  X(dataWithBytes_length_, "dataWithBytes:length:")                                           \
  X(bytes, "bytes")                                                                           \
  X(propertyListWithData_options_format_error_, "propertyListWithData:options:format:error:") \
  X(dataWithPropertyList_format_options_error_, "dataWithPropertyList:format:options:error:") \
  X(initWithContentsOfFile_, "initWithContentsOfFile:")                                       \
  X(dictionaryWithContentsOfFile_, "dictionaryWithContentsOfFile:")                           \
  X(URLWithString_, "URLWithString:")                                                         \
  X(absoluteString, "absoluteString")

VM_DECLARE_NAMES(VM_FOUNDATION_CLASSES, VM_FOUNDATION_SELECTORS)
