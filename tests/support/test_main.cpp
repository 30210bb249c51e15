// Test entry point: an autorelease pool around the whole run, as a host's main thread has.
#include <gtest/gtest.h>

#include "bridge/foundation.h"

int main(int argc, char** argv) {
  vm::AutoreleasePool pool;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
