#pragma once
// The one exception type of the document readers: a message in the document format's own
// words and the byte offset (within the component stream or container) where it was raised.

#include <cstdint>
#include <stdexcept>
#include <string>

class EReadError : public std::runtime_error {
 public:
  explicit EReadError(const std::string& message, uint64_t offsetBytes = 0)
      : std::runtime_error(message), m_offsetBytes(offsetBytes) {}
  uint64_t OffsetBytes() const { return m_offsetBytes; }

 private:
  uint64_t m_offsetBytes;
};

// Message texts of the component stream format.
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kStreamReadError = "Stream read error";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kPropertyReadOnly = "Property is read-only";
