// The one property-list reader: what it hands to the parser, and that nothing the parser
// raises or any file holds gets past it.
#include "settings_store/property_list.h"

#include <gtest/gtest.h>

#include "bridge/foundation.h"
#include "linux_only/property_list_files.h"
#include "tests/support/hostile_plists.h"

namespace {

using vm::Containers;

id parse(const std::string& bytes) {
  return vm::copyPropertyList(bytes.data(), bytes.size(), Containers::kImmutable);
}

TEST(PropertyListReader, HostileBytesReadAsNoPropertyList) {
  vm::AutoreleasePool pool;
  for (const vm::test::NamedBytes& file : vm::test::hostilePropertyLists()) {
    id plist = parse(file.bytes);
    EXPECT_EQ(plist, nil) << file.name;
    vm::release(plist);
  }
}

TEST(PropertyListReader, AnExceptionFromTheParserReadsAsNoPropertyList) {
  vm::AutoreleasePool pool;
  // A well-formed binary list whose top object is a set of one true: GNUstep raises on
  // sets, so only the guard stands between it and the caller.
  const std::string trailer = std::string(6, '\0') + "\x01\x01" + std::string(7, '\0') + "\x02" +
                              std::string(8, '\0') + std::string(7, '\0') + "\x0b";
  const std::string set = std::string("bplist00\xc1\x01\x09\x08\x0a", 13) + trailer;
  ASSERT_TRUE(
      vm::withinPropertyListBounds(reinterpret_cast<const unsigned char*>(set.data()), set.size()));
  EXPECT_EQ(parse(set), nil);
  EXPECT_EQ(vm::copyDictionaryFromBytes(set.data(), set.size(), Containers::kMutable), nil);
}

TEST(PropertyListReader, NestingUpToTheBoundIsReadAndOneLevelMoreIsNot) {
  vm::AutoreleasePool pool;
  const int bound = vm::kMaxPropertyListDepth;
  struct Case {
    const char* encoding;
    std::string atBound, overBound;
  };
  auto parens = [](int depth) { return std::string(depth, '(') + std::string(depth, ')'); };
  const Case cases[] = {
      {"XML", vm::test::nestedXmlDictionaries(bound), vm::test::nestedXmlDictionaries(bound + 1)},
      {"old-style text", parens(bound), parens(bound + 1)},
  };
  for (const Case& c : cases) {
    id within = parse(c.atBound);
    EXPECT_NE(within, nil) << c.encoding;
    EXPECT_EQ(parse(c.overBound), nil) << c.encoding;
    // The same nesting written as a binary list is held to the same bound.
    id again = parse(vm::test::binaryPlistOf(within));
    EXPECT_TRUE(vm::send<BOOL>(again, vm::sel::isEqual_, within)) << c.encoding;
    EXPECT_EQ(parse(vm::test::binaryPlistOf(vm::test::dictionaryOf({{"a", within}}))), nil)
        << c.encoding;
    vm::release(again);
    vm::release(within);
  }
}

TEST(PropertyListReader, SizeIsBoundedAtOneMebibyte) {
  vm::AutoreleasePool pool;
  const std::string head = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>";
  std::string atBound = head + std::string(vm::kMaxPropertyListBytes - head.size(), ' ');
  id plist = parse(atBound);
  EXPECT_NE(plist, nil);
  vm::release(plist);
  EXPECT_EQ(parse(atBound + " "), nil);
}

// Text beyond the Basic Multilingual Plane reading back exactly is the Settings app's
// writes' case; here, what no property list can hold.
TEST(PropertyListReader, AnObjectNoListCanHoldIsRefusedWithNothingToWrite) {
  vm::AutoreleasePool pool;
  id object = vm::send<id>(vm::send<id>(vm::cls::NSObject.get(), vm::sel::alloc), vm::sel::init);
  id values = vm::test::dictionaryOf({{"object", object}});
  vm::release(object);
  std::string bytes = "left from before";
  EXPECT_FALSE(vm::encodeBinaryPropertyList(values, &bytes));
  EXPECT_TRUE(bytes.empty());
}

}  // namespace
