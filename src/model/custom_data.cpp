#include "model/custom_data.h"

#include <cstring>
#include <filesystem>
#include <fstream>


namespace {

// Stored form: a binary value holding a 4-byte little-endian signed count, then the bytes. The
// bytes go straight into the holder.
void ReadStoredData(TPersistent& object, TValueReader& reader) {
  auto& holder = static_cast<TCustomData&>(object);
  TBinaryValue value(reader);
  holder.Clear();
  const auto count = static_cast<int32_t>(value.ReadUint32());
  if (count > 0) holder.SetContent(value.ReadBytes(static_cast<uint64_t>(count)));
  value.SkipRest();
}

void WriteStoredData(const TPersistent& object, TValueWriter& writer) {
  auto bytes = static_cast<const TCustomData&>(object).Bytes();
  std::vector<uint8_t> payload(4 + bytes.size());
  uint32_t count = static_cast<uint32_t>(bytes.size());
  for (int i = 0; i < 4; ++i) payload[static_cast<size_t>(i)] = static_cast<uint8_t>(count >> (8 * i));
  if (!bytes.empty()) std::memcpy(payload.data() + 4, bytes.data(), bytes.size());
  writer.WriteBinary(payload);
}

}  // namespace

const TClassInfo& TCustomData::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TCustomData>("TCustomData", &TPersistent::StaticClass())
          .Defined({"Data", ReadStoredData, WriteStoredData,
                    [](const TPersistent& o) { return !static_cast<const TCustomData&>(o).Empty(); }})
          .Build();
  return *info;
}

#define TELVO_DATA_CLASS(Name)                                                                              \
  const TClassInfo& Name::StaticClass() {                                                                   \
    static const TClassInfo* info = TClassBuilder<Name>(#Name, &TCustomData::StaticClass()).Build();        \
    return *info;                                                                                           \
  }
TELVO_DATA_CLASS(TWaveData)
TELVO_DATA_CLASS(TAudioData)
TELVO_DATA_CLASS(TCursorData)
TELVO_DATA_CLASS(TIconData)
#undef TELVO_DATA_CLASS

void TCustomData::Assign(const TPersistent* source) {
  if (!source) {
    Clear();
    return;
  }
  const TCustomData* from = As<TCustomData>(source);
  if (!from) AssignError(source);
  if (from == this) return;
  m_bytes = from->m_bytes;
  Changed();
}

void TCustomData::Clear() {
  if (m_bytes.empty()) return;
  m_bytes.clear();
  m_bytes.shrink_to_fit();
  Changed();
}

void TCustomData::SetContent(std::span<const uint8_t> bytes) {
  Clear();
  if (bytes.empty()) return;
  m_bytes.assign(bytes.begin(), bytes.end());
  Changed();
}

void TCustomData::SetContent(TByteBlock&& bytes) {
  Clear();
  if (bytes.empty()) return;
  m_bytes = std::move(bytes);
  Changed();
}

void TCustomData::LoadFromFile(const std::string& path) {
  Clear();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    Changed();
    return;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("Cannot open file \"" + path + "\"");
  TByteBlock bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error("Cannot read file \"" + path + "\"");
  m_bytes = std::move(bytes);
  Changed();
}

void TCustomData::SaveToFile(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("Cannot create file \"" + path + "\"");
  out.write(reinterpret_cast<const char*>(m_bytes.data()), static_cast<std::streamsize>(m_bytes.size()));
  if (!out) throw std::runtime_error("Cannot write file \"" + path + "\"");
}

void TCustomData::Changed() {
  if (m_onChange) m_onChange(*this);
}
