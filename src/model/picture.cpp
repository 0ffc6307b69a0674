#include "model/picture.h"

#include <algorithm>
#include <string>

namespace {

// The defined "Data" entry: read runs over the binary value, whose uncounted rest is skipped.
TDefinedProp StoredDataEntry(void (*read)(TPersistent&, TBinaryValue&),
                             std::vector<uint8_t> (*write)(const TPersistent&), bool (*empty)(const TPersistent&)) {
  return {"Data",
          [read](TPersistent& o, TValueReader& r) {
            TBinaryValue value(r);
            read(o, value);
            value.SkipRest();
          },
          [write](const TPersistent& o, TValueWriter& w) { w.WriteBinary(write(o)); },
          [empty](const TPersistent& o) { return !empty(o); }};
}

}  // namespace

const TClassInfo& TPicture::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TPicture>("TPicture", &TPersistent::StaticClass())
          .Defined(StoredDataEntry(
              [](TPersistent& o, TBinaryValue& d) { static_cast<TPicture&>(o).ReadStoredData(d); },
              [](const TPersistent& o) { return static_cast<const TPicture&>(o).StoredData(); },
              [](const TPersistent& o) { return static_cast<const TPicture&>(o).Empty(); }))
          .Build();
  return *info;
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) {
    Clear();
    return;
  }
  const TPicture* from = As<TPicture>(source);
  if (!from) AssignError(source);
  if (from != this) {
    m_format = from->m_format;
    m_file = from->m_file;
  }
  Changed();
}

std::string_view TPicture::GraphicClassName() const { return m_format ? StoredClassName(*m_format) : ""; }

void TPicture::Clear() {
  m_format.reset();
  m_file.clear();
  Changed();
}

void TPicture::SetGraphic(TPictureFormat format, std::vector<uint8_t> file) {
  m_format = format;
  m_file.assign(file.begin(), file.end());
  Changed();
}

void TPicture::ReadStoredData(TBinaryValue& data) {
  m_format.reset();
  m_file.clear();
  const size_t nameLength = data.ReadByte();
  std::string className(nameLength, '\0');
  for (char& c : className) c = static_cast<char>(data.ReadByte());
  // An unknown format loads as no picture, without error.
  if (const std::optional<TPictureFormat> format = FindPictureFormat(className)) {
    m_file = ReadGraphicData(StoredForm(*format), data);
    m_format = format;
  }
  Changed();
}

void TPicture::Changed() {
  if (m_onChange) m_onChange();
}

std::vector<uint8_t> TPicture::StoredData() const {
  const std::string_view className = GraphicClassName();
  std::vector<uint8_t> out(1 + className.size());
  out[0] = static_cast<uint8_t>(className.size());
  std::copy(className.begin(), className.end(), out.begin() + 1);
  if (m_format) WriteGraphicData(StoredForm(*m_format), m_file, out);
  return out;
}

const TClassInfo& TSingleFormatGraphic::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TSingleFormatGraphic>("TGraphic", &TPersistent::StaticClass())
          .Defined(StoredDataEntry(
              [](TPersistent& o, TBinaryValue& d) {
                auto& g = static_cast<TSingleFormatGraphic&>(o);
                g.SetFileBytes(ReadGraphicData(g.Form(), d));
              },
              [](const TPersistent& o) {
                auto& g = static_cast<const TSingleFormatGraphic&>(o);
                std::vector<uint8_t> out;
                WriteGraphicData(g.Form(), g.FileBytes(), out);
                return out;
              },
              [](const TPersistent& o) { return static_cast<const TSingleFormatGraphic&>(o).Empty(); }))
          .Build();
  return *info;
}

void TSingleFormatGraphic::Assign(const TPersistent* source) {
  if (source) {
    const auto* from = As<TSingleFormatGraphic>(source);
    if (!from || from->Form() != Form()) AssignError(source);
    if (from != this) m_file = from->m_file;
  } else {
    m_file.clear();
  }
  Changed();
}

void TSingleFormatGraphic::SetFileBytes(std::span<const uint8_t> file) {
  m_file.assign(file.begin(), file.end());
  Changed();
}

void TSingleFormatGraphic::SetFileBytes(TByteBlock&& file) {
  m_file = std::move(file);
  Changed();
}

void TSingleFormatGraphic::Changed() {
  if (m_onChange) m_onChange();
}

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TBitmap>("TBitmap", &TSingleFormatGraphic::StaticClass()).Build();
  return *info;
}

const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TIcon>("TIcon", &TSingleFormatGraphic::StaticClass()).Build();
  return *info;
}
