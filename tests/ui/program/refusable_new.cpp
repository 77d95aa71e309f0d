#include "refusable_new.h"

#include <cstdlib>
#include <new>

namespace macrange::test {
std::atomic<bool> g_refuse_allocation{false};
}  // namespace macrange::test

void* operator new(std::size_t size) {
  if (macrange::test::g_refuse_allocation.load(std::memory_order_relaxed)) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
