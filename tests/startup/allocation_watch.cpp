#include "startup/allocation_watch.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largestBytes{0};

void Note(size_t size) {
  if (!g_watching.load(std::memory_order_relaxed)) return;
  size_t largest = g_largestBytes.load(std::memory_order_relaxed);
  while (size > largest && !g_largestBytes.compare_exchange_weak(largest, size, std::memory_order_relaxed)) {
  }
}

}  // namespace

TAllocationWatch::TAllocationWatch() {
  g_largestBytes = 0;
  g_watching = true;
}

TAllocationWatch::~TAllocationWatch() { g_watching = false; }

size_t TAllocationWatch::LargestBytes() const { return g_largestBytes; }

void* operator new(size_t size) {
  Note(size);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
