#pragma once
// The picture formats that a stored picture may name (the platform's and the menu's formats),
// each with its stored class name and the stored form of its data. The class name stays what
// documents store and what dumps print; everywhere else a picture's format is TPictureFormat.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/value_io.h"

enum class TPictureFormat : uint8_t {
  Bitmap,
  Icon,
  Metafile,
  Jpeg,
  Png,
  Gif,
  Ani,         // an animated cursor
  Pcx,         // stored as a bitmap file
  OleGraphic,  // kept and written back, never drawn
};

enum class TGraphicForm : uint8_t {
  CountedFile,    // 4-byte count, then the file (bitmap, JPEG, GIF)
  MetafileCount,  // 4-byte count that includes itself, then the file; 4 or less is empty
  WholeRest,      // the file itself up to the end of the data (icon, PNG, animated cursor)
};

// The format whose stored class name is exactly name; none for a name that is not a picture
// format.
std::optional<TPictureFormat> FindPictureFormat(std::string_view name);
// The stored class name of a format.
std::string_view StoredClassName(TPictureFormat format);
// The stored form of a format's data.
TGraphicForm StoredForm(TPictureFormat format);

// Reads the format's file bytes from the rest of a picture's stored data; throws
// EReadError("Stream read error") when a count claims more bytes than the data holds. Bytes the
// form does not count are left in data.
TByteBlock ReadGraphicData(TGraphicForm form, TBinaryValue& data);
// Appends the stored data of the file bytes in the given form.
void WriteGraphicData(TGraphicForm form, std::span<const uint8_t> file, std::vector<uint8_t>& out);
