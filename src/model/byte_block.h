#pragma once
// A byte vector whose growth leaves the new bytes uninitialised, so a reader can size a block
// and fill it straight from its source without clearing it first: embedded media make up nearly
// all of a document's bytes.

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

template <class T>
class TUninitialisedAllocator : public std::allocator<T> {
 public:
  template <class U>
  struct rebind {
    using other = TUninitialisedAllocator<U>;
  };

  TUninitialisedAllocator() noexcept = default;
  template <class U>
  TUninitialisedAllocator(const TUninitialisedAllocator<U>&) noexcept {}

  // Value-initialisation (as resize does) becomes default-initialisation; for bytes, nothing.
  template <class U>
  void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(place)) U;
  }
  template <class U, class... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

using TByteBlock = std::vector<uint8_t, TUninitialisedAllocator<uint8_t>>;
