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

// Every form that allocates with malloc and frees with free is replaced, not the plain one alone:
// a library that allocates with the nothrow or array form and deletes with the plain one (or the
// other way round) must reach one matching pair, else the sanitizer's allocator sees memory it
// handed out freed by another.
namespace {

void* Allocate(size_t size) noexcept {
  Note(size);
  return std::malloc(size ? size : 1);
}

void* AllocateOrThrow(size_t size) {
  if (void* p = Allocate(size)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(size_t size) { return AllocateOrThrow(size); }
void* operator new[](size_t size) { return AllocateOrThrow(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
