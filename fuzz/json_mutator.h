#pragma once

#include <cstddef>
#include <cstdint>

// Mutations that keep a data file well-formed JSON. What a designer's slip or a generator's bug
// puts into a file is mostly a wrong value in a file that still parses: a number far out of
// range, another node class, a variable of the wrong type, a node copied or left out. Byte
// flips reach those only rarely, as nearly every flip breaks the syntax first.
namespace fuzz {

// Changes one value of the JSON text in `data` (one of `size` bytes, room for `maxSize`) and
// returns the new size. Text that does not parse, and now and then any text, gets
// libFuzzer's own byte-level mutation instead.
size_t MutateJson(uint8_t* data, size_t size, size_t maxSize, unsigned seed);

}  // namespace fuzz
