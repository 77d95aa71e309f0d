// Allocation that a test can make fail. A test program that links
// refusable_new.cpp replaces the global operator new, which is how a program
// sees every allocation at once.
#pragma once

#include <atomic>

namespace macrange::test {

// While true, every operator new throws std::bad_alloc.
extern std::atomic<bool> g_refuse_allocation;

}  // namespace macrange::test
