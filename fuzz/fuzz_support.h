// What the fuzz targets share: a quiet platform log, and strings made from raw input.
#pragma once

#include <objc/runtime.h>

#include <cstddef>
#include <cstdint>

namespace vm::fuzz {

// An autoreleased NSString of the bytes: read as UTF-8 when they are, otherwise one
// character per byte (ISO Latin-1), so every input reaches the string code.
id stringFromBytes(const std::uint8_t* data, std::size_t size);

// Stops the run, so libFuzzer records the input, when a property does not hold.
void require(bool holds, const char* what);

}  // namespace vm::fuzz
