#include "refusable_new.h"

#include <cstdlib>
#include <new>

namespace macrange::test {

std::atomic<long> g_allocations_left{-1};
std::atomic<DWORD> g_limited_thread{0};

namespace {

bool RefuseAllocation() {
  const DWORD thread = g_limited_thread.load();
  if (thread != 0 && thread != GetCurrentThreadId()) return false;
  long left = g_allocations_left.load();
  while (left > 0 && !g_allocations_left.compare_exchange_weak(left, left - 1)) {
  }
  return left == 0;
}

}  // namespace
}  // namespace macrange::test

void* operator new(std::size_t size) {
  if (macrange::test::RefuseAllocation()) throw std::bad_alloc();
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// Not inlined: a free() inlined beside this file's own operator new reads to
// the compiler as a mismatched pair.
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
