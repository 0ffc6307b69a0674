#include "model/picture.h"

#include <algorithm>

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
    m_className = from->m_className;
    m_file = from->m_file;
  }
  Changed();
}

void TPicture::Clear() {
  m_className.clear();
  m_file.clear();
  Changed();
}

void TPicture::SetGraphic(std::string className, std::vector<uint8_t> file) {
  if (!FindGraphicClass(className)) {
    Clear();
    return;
  }
  m_className = std::move(className);
  m_file.assign(file.begin(), file.end());
  Changed();
}

void TPicture::ReadStoredData(TBinaryValue& data) {
  m_className.clear();
  m_file.clear();
  const size_t nameLength = data.ReadByte();
  std::string className(nameLength, '\0');
  for (char& c : className) c = static_cast<char>(data.ReadByte());
  // An unknown format loads as no picture, without error.
  if (const auto form = FindGraphicClass(className); form && nameLength > 0) {
    m_file = ReadGraphicData(*form, data);
    m_className = std::move(className);
  }
  Changed();
}

void TPicture::Changed() {
  if (m_onChange) m_onChange();
}

std::vector<uint8_t> TPicture::StoredData() const {
  std::vector<uint8_t> out(1 + m_className.size());
  out[0] = static_cast<uint8_t>(m_className.size());
  std::copy(m_className.begin(), m_className.end(), out.begin() + 1);
  if (auto form = FindGraphicClass(m_className)) WriteGraphicData(*form, m_file, out);
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
