#include "model/graphic_registry.h"

#include <array>

namespace {

constexpr std::array<TGraphicClass, 9> kGraphicClasses = {{
    {"TBitmap", TGraphicForm::CountedFile},  {"TIcon", TGraphicForm::WholeRest},
    {"TMetafile", TGraphicForm::MetafileCount}, {"TJPEGImage", TGraphicForm::CountedFile},
    {"TPNGObject", TGraphicForm::WholeRest}, {"TGIFImage", TGraphicForm::CountedFile},
    {"TJvAni", TGraphicForm::WholeRest},     {"TJvPcx", TGraphicForm::CountedFile},
    {"TOleGraphic", TGraphicForm::WholeRest},
}};

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::optional<TGraphicForm> FindGraphicClass(std::string_view name) {
  for (const TGraphicClass& graphicClass : kGraphicClasses)
    if (graphicClass.name == name) return graphicClass.form;
  return std::nullopt;
}

TByteBlock ReadGraphicData(TGraphicForm form, TBinaryValue& data) {
  switch (form) {
    case TGraphicForm::WholeRest: return data.ReadRest();
    case TGraphicForm::CountedFile: {
      const auto count = static_cast<int32_t>(data.ReadUint32());
      if (count <= 0) return {};
      return data.ReadBytes(static_cast<uint64_t>(count));
    }
    case TGraphicForm::MetafileCount: {
      // The count includes its own 4 bytes.
      const auto count = static_cast<int32_t>(data.ReadUint32());
      if (count <= 4) return {};
      return data.ReadBytes(static_cast<uint64_t>(count) - 4);
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
