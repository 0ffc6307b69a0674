#pragma once
// The menu document the load benchmarks read: a window with many controls of the common menu
// classes and their usual properties, carrying real pictures and sounds from the shared test
// data (cycled until the requested amount), so that its compression ratio is a real one.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct TBenchDocument {
  std::vector<uint8_t> stream;     // the component stream
  std::vector<uint8_t> container;  // the stream, compressed into a container
  size_t controlCount = 0;
  uint64_t mediaBytes = 0;         // embedded picture and sound file bytes

  // The zlib data inside the compressed container.
  std::span<const uint8_t> CompressedData() const;
};

// Builds the document with controlCount controls and at least mediaBytes of embedded files.
// Throws std::runtime_error when the test data holds no pictures or no sounds.
TBenchDocument MakeBenchDocument(size_t controlCount, uint64_t mediaBytes);
