// Allocation that a test can make fail. A test program that links
// refusable_new.cpp replaces the global operator new, which is how a program
// sees every allocation at once.
#pragma once

#include <windows.h>

#include <atomic>

namespace macrange::test {

// How many more allocations succeed before every later one throws
// std::bad_alloc; -1 for no limit, 0 to refuse every one. Counted on
// g_limited_thread only, or on every thread while that is 0.
extern std::atomic<long> g_allocations_left;
extern std::atomic<DWORD> g_limited_thread;

}  // namespace macrange::test
