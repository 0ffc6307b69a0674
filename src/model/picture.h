#pragma once
// Stored pictures. TPicture keeps the stored format class name and that format's file bytes;
// TBitmap and TIcon are single-format properties (a button glyph, the window icon) whose stored
// data has no class name. Decoding belongs to the graphics layer.

#include <cstdint>
#include <span>
#include <string>
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

  bool Empty() const { return m_className.empty(); }
  // Name of the format class ("TBitmap", "TPNGObject", ...); empty when there is no picture.
  const std::string& GraphicClassName() const { return m_className; }
  // The format's file bytes (a .bmp, .png, .gif ... file).
  std::span<const uint8_t> FileBytes() const { return m_file; }
  void Clear();
  // className must be a registered format; otherwise the picture becomes empty.
  void SetGraphic(std::string className, std::vector<uint8_t> file);

  // Stored "Data": the class name as a short string, then the format's data. Reading takes
  // what the format counts; the caller skips the rest of the value.
  void ReadStoredData(TBinaryValue& data);
  std::vector<uint8_t> StoredData() const;

 private:
  std::string m_className;
  TByteBlock m_file;
};

// A property of one fixed format; stores that format's data without a class name.
class TSingleFormatGraphic : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void Assign(const TPersistent* source) override;
  bool Empty() const { return m_file.empty(); }
  std::span<const uint8_t> FileBytes() const { return m_file; }
  void SetFileBytes(std::span<const uint8_t> file) { m_file.assign(file.begin(), file.end()); }
  void SetFileBytes(TByteBlock&& file) { m_file = std::move(file); }
  virtual TGraphicForm Form() const = 0;

 private:
  TByteBlock m_file;
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
