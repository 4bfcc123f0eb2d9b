#include "bench/allocation_count.h"

#include <cstdlib>
#include <new>

namespace ondalith::bench {

namespace {

thread_local bool counting = false;
std::size_t counted = 0;  // only the counting thread writes it

void* allocate(std::size_t size) {
    if (counting) ++counted;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

}  // namespace

void countAllocations(bool on) { counting = on; }

AllocationPause::AllocationPause() : was(counting) { counting = false; }
AllocationPause::~AllocationPause() { counting = was; }

std::size_t allocationsCounted() { return counted; }

}  // namespace ondalith::bench

// The library's nothrow and aligned-free forms call these. Only the bench's executable
// carries them; the saver keeps the library's own.
void* operator new(std::size_t size) { return ondalith::bench::allocate(size); }
void* operator new[](std::size_t size) { return ondalith::bench::allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
