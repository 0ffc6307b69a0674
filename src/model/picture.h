#pragma once
// Stored pictures. TPicture keeps the picture's format and that format's file bytes;
// TBitmap and TIcon are single-format properties (a button glyph, the window icon) whose stored
// data has no class name. Decoding belongs to the graphics layer. Each tells its owner of every
// change, the document's reading included, so the owner's change rules (key colours, sizes,
// repaints) hold however a picture arrives.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/byte_block.h"
#include "model/graphic_registry.h"
#include "model/persistent.h"

class TPicture : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Copies another picture; a null source clears.
  void Assign(const TPersistent* source) override;
  // Called after every change: Assign, Clear, SetGraphic, ReadStoredData. May be unset; the
  // owner sets it once, and it may change the picture again.
  void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

  bool Empty() const { return !m_format; }
  // The picture's format; none when there is no picture.
  std::optional<TPictureFormat> Format() const { return m_format; }
  // The format's stored class name ("TBitmap", "TPNGObject", ...); empty when there is no picture.
  std::string_view GraphicClassName() const;
  // The format's file bytes (a .bmp, .png, .gif ... file).
  std::span<const uint8_t> FileBytes() const { return m_file; }
  void Clear();
  void SetGraphic(TPictureFormat format, std::vector<uint8_t> file);

  // Stored "Data": the class name as a short string, then the format's data. Reading takes
  // what the format counts; the caller skips the rest of the value.
  void ReadStoredData(TBinaryValue& data);
  std::vector<uint8_t> StoredData() const;

 private:
  void Changed();

  std::optional<TPictureFormat> m_format;
  TByteBlock m_file;
  std::function<void()> m_onChange;
};

// A property of one fixed format; stores that format's data without a class name.
class TSingleFormatGraphic : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  bool Empty() const { return m_file.empty(); }
  std::span<const uint8_t> FileBytes() const { return m_file; }
  void SetFileBytes(std::span<const uint8_t> file);
  void SetFileBytes(TByteBlock&& file);
  virtual TGraphicForm Form() const = 0;
  // Called after every change (Assign, SetFileBytes, the stored data read); may be unset.
  void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

 private:
  void Changed();

  TByteBlock m_file;
  std::function<void()> m_onChange;
};

class TBitmap : public TSingleFormatGraphic {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TGraphicForm Form() const override { return TGraphicForm::CountedFile; }
};

class TIcon : public TSingleFormatGraphic {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TGraphicForm Form() const override { return TGraphicForm::WholeRest; }
};
