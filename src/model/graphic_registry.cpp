#include "model/graphic_registry.h"

#include <array>
#include <cstddef>

namespace {

struct TGraphicClass {
  std::string_view name;  // as stored
  TPictureFormat format;
  TGraphicForm form;
};

constexpr std::array<TGraphicClass, 9> kGraphicClasses = {{
    {"TBitmap", TPictureFormat::Bitmap, TGraphicForm::CountedFile},
    {"TIcon", TPictureFormat::Icon, TGraphicForm::WholeRest},
    {"TMetafile", TPictureFormat::Metafile, TGraphicForm::MetafileCount},
    {"TJPEGImage", TPictureFormat::Jpeg, TGraphicForm::CountedFile},
    {"TPNGObject", TPictureFormat::Png, TGraphicForm::WholeRest},
    {"TGIFImage", TPictureFormat::Gif, TGraphicForm::CountedFile},
    {"TJvAni", TPictureFormat::Ani, TGraphicForm::WholeRest},
    {"TJvPcx", TPictureFormat::Pcx, TGraphicForm::CountedFile},
    {"TOleGraphic", TPictureFormat::OleGraphic, TGraphicForm::WholeRest},
}};

// The table lists the formats in their enumeration's order, so a format is its own index.
constexpr bool InFormatOrder() {
  for (size_t i = 0; i < kGraphicClasses.size(); ++i)
    if (kGraphicClasses[i].format != static_cast<TPictureFormat>(i)) return false;
  return true;
}
static_assert(InFormatOrder());

const TGraphicClass& GraphicClass(TPictureFormat format) { return kGraphicClasses[static_cast<size_t>(format)]; }

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

std::optional<TPictureFormat> FindPictureFormat(std::string_view name) {
  for (const TGraphicClass& graphicClass : kGraphicClasses)
    if (graphicClass.name == name) return graphicClass.format;
  return std::nullopt;
}

std::string_view StoredClassName(TPictureFormat format) { return GraphicClass(format).name; }

TGraphicForm StoredForm(TPictureFormat format) { return GraphicClass(format).form; }

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
