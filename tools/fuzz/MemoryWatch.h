// The fuzz runner's memory watch: the program's allocations through operator new
// are counted, and one that would pass the limit fails with std::bad_alloc and is
// recorded, so an input that asks for gigabytes ends as a finding, not a swapping
// machine. The peak the system reports covers what is allocated otherwise.
#pragma once

#include <cstdint>

namespace memory_watch {

// Starts watching one input with a limit in bytes; End() lifts the limit and tells
// whether the input passed it.
void Begin(std::int64_t limit);
bool End();

}  // namespace memory_watch
