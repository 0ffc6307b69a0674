#pragma once
// Reading a whole file that a document or a user names: only a regular file, opened without
// waiting (a FIFO or a device named like a picture or a list must not hang the player), and
// only up to a size the caller allows.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes of the regular file path when it holds at most maxBytes; nothing otherwise, or when
// it cannot be read completely.
std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, uint64_t maxBytes);

// Whether path names a regular file that can be opened for reading (checked without waiting, as
// above), for a reader that streams the file itself rather than taking its bytes.
bool IsReadableRegularFile(const std::string& path);
