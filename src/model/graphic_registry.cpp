#include "model/graphic_registry.h"

#include <mutex>

#include "model/read_error.h"

namespace {

std::vector<TGraphicClass>& Registry() {
  static std::vector<TGraphicClass> registry = {
      {"TBitmap", TGraphicForm::CountedFile},  {"TIcon", TGraphicForm::WholeRest},
      {"TMetafile", TGraphicForm::MetafileCount}, {"TJPEGImage", TGraphicForm::CountedFile},
      {"TPNGObject", TGraphicForm::WholeRest}, {"TGIFImage", TGraphicForm::CountedFile},
      {"TJvAni", TGraphicForm::WholeRest},     {"TJvPcx", TGraphicForm::CountedFile},
      {"TOleGraphic", TGraphicForm::WholeRest},
  };
  return registry;
}

std::mutex& RegistryMutex() {
  static std::mutex mutex;
  return mutex;
}

uint32_t ReadUint32(std::span<const uint8_t> data) {
  if (data.size() < 4) throw EReadError(kStreamReadError);
  return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

void RegisterGraphicClass(std::string name, TGraphicForm form) {
  std::lock_guard lock(RegistryMutex());
  Registry().push_back({std::move(name), form});
}

std::optional<TGraphicForm> FindGraphicClass(std::string_view name) {
  std::lock_guard lock(RegistryMutex());
  const auto& registry = Registry();
  for (auto it = registry.rbegin(); it != registry.rend(); ++it)
    if (it->name == name) return it->form;
  return std::nullopt;
}

std::vector<uint8_t> ReadGraphicData(TGraphicForm form, std::span<const uint8_t> data) {
  switch (form) {
    case TGraphicForm::WholeRest: return {data.begin(), data.end()};
    case TGraphicForm::CountedFile: {
      int64_t count = static_cast<int32_t>(ReadUint32(data));
      if (count <= 0) return {};
      if (static_cast<uint64_t>(count) > data.size() - 4) throw EReadError(kStreamReadError);
      return {data.begin() + 4, data.begin() + 4 + count};
    }
    case TGraphicForm::MetafileCount: {
      int64_t count = static_cast<int32_t>(ReadUint32(data));
      if (count <= 4) return {};
      if (static_cast<uint64_t>(count) > data.size()) throw EReadError(kStreamReadError);
      return {data.begin() + 4, data.begin() + count};
    }
  }
  return {};
}

void WriteGraphicData(TGraphicForm form, std::span<const uint8_t> file, std::vector<uint8_t>& out) {
  switch (form) {
    case TGraphicForm::WholeRest: break;
    case TGraphicForm::CountedFile: AppendUint32(out, static_cast<uint32_t>(file.size())); break;
    case TGraphicForm::MetafileCount:
      AppendUint32(out, file.empty() ? 0 : static_cast<uint32_t>(file.size() + 4));
      break;
  }
  out.insert(out.end(), file.begin(), file.end());
}
