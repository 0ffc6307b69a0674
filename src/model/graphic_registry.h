#pragma once
// The picture formats that a stored picture may name, with the stored form of each format's
// data (the platform's and the menu's formats). Looked up by exact name.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/value_io.h"

enum class TGraphicForm : uint8_t {
  CountedFile,    // 4-byte count, then the file (bitmap, JPEG, GIF)
  MetafileCount,  // 4-byte count that includes itself, then the file; 4 or less is empty
  WholeRest,      // the file itself up to the end of the data (icon, PNG, animated cursor)
};

struct TGraphicClass {
  std::string_view name;
  TGraphicForm form;
};

// The stored form of the format called name; none for a name that is not a picture format.
std::optional<TGraphicForm> FindGraphicClass(std::string_view name);

// Reads the format's file bytes from the rest of a picture's stored data; throws
// EReadError("Stream read error") when a count claims more bytes than the data holds. Bytes the
// form does not count are left in data.
TByteBlock ReadGraphicData(TGraphicForm form, TBinaryValue& data);
// Appends the stored data of the file bytes in the given form.
void WriteGraphicData(TGraphicForm form, std::span<const uint8_t> file, std::vector<uint8_t>& out);
