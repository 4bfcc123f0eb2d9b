#pragma once
// Counts the heap allocations (operator new) that the bench's own thread makes while
// counting is on. The GL hooks pause the count inside the driver, so that what is left
// is the saver's own code.
#include <cstddef>

namespace ondalith::bench {

void countAllocations(bool on);  // on the calling thread only
// Pauses the count for as long as it lives; the GL hooks wrap every driver call in one.
struct AllocationPause {
    AllocationPause();
    ~AllocationPause();
    bool was;
};
std::size_t allocationsCounted();  // since the process started

}  // namespace ondalith::bench
