#pragma once
// Records the largest single allocation made through operator new while a watch lives, on any
// thread. One watch at a time. The test executable replaces operator new (every form but the
// aligned ones, with its matching deletes) for this.

#include <cstddef>

class TAllocationWatch {
 public:
  TAllocationWatch();
  ~TAllocationWatch();
  TAllocationWatch(const TAllocationWatch&) = delete;
  TAllocationWatch& operator=(const TAllocationWatch&) = delete;

  size_t LargestBytes() const;
};
