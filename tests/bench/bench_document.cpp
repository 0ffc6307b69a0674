#include "bench/bench_document.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#include "document/container.h"
#include "document/stream_output.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

struct TPictureFile {
  std::string graphicClass;
  bool counted = false;  // the stored data carries a 4-byte length before the file
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Regular files below folder, in name order so the document is the same on every run.
std::vector<fs::path> FilesBelow(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<TPictureFile> LoadPictures(const fs::path& testData) {
  struct TFormat {
    std::string_view extension;
    std::string_view graphicClass;
    bool counted;
  };
  constexpr std::array<TFormat, 5> kFormats = {{{".png", "TPNGObject", false},
                                                {".jpg", "TJPEGImage", true},
                                                {".jpeg", "TJPEGImage", true},
                                                {".bmp", "TBitmap", true},
                                                {".gif", "TGIFImage", true}}};
  std::vector<TPictureFile> pictures;
  for (std::string_view folder : {"png", "jpeg", "bmp", "gif"})
    for (const fs::path& path : FilesBelow(testData / folder)) {
      if (path.string().find("corrupted") != std::string::npos) continue;
      std::string extension = path.extension().string();
      std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
      for (const TFormat& format : kFormats)
        if (extension == format.extension)
          pictures.push_back({std::string(format.graphicClass), format.counted, ReadFile(path)});
    }
  if (pictures.empty()) throw std::runtime_error("no pictures in " + testData.string());
  return pictures;
}

std::vector<std::vector<uint8_t>> LoadSounds(const fs::path& testData) {
  std::vector<std::vector<uint8_t>> sounds;
  for (const fs::path& path : FilesBelow(testData / "audio")) sounds.push_back(ReadFile(path));
  if (sounds.empty()) throw std::runtime_error("no sounds in " + testData.string());
  return sounds;
}

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Writes component records and property entries through the project's stream writer.
class TDocumentWriter {
 public:
  explicit TDocumentWriter(std::vector<uint8_t>& bytes) : m_out(bytes) { m_out.WriteSignature(); }

  void Begin(std::string_view cls, std::string_view name) {
    m_out.WritePrefix(0, std::nullopt);
    m_out.WriteShortString(cls);
    m_out.WriteShortString(name);
  }
  void End() { m_out.WriteEnd(); }  // ends a property list or a child list

  void Integer(std::string_view path, int64_t value) { Path(path).WriteInteger(value); }
  void Boolean(std::string_view path, bool value) { Path(path).WriteBoolean(value); }
  void String(std::string_view path, const std::string& text) { Path(path).WriteString(text); }
  void Ident(std::string_view path, std::string_view name) { Path(path).WriteIdent(name); }
  void Set(std::string_view path, const std::vector<std::string>& names) { Path(path).WriteSet(names); }
  void Strings(std::string_view path, const std::vector<std::string>& lines) {
    Path(path).WriteListBegin();
    for (const std::string& line : lines) m_out.WriteString(line);
    m_out.WriteListEnd();
  }
  // A picture's stored data: the format's class name, then the format's data.
  uint64_t Picture(std::string_view path, const TPictureFile& file) {
    std::vector<uint8_t> data{static_cast<uint8_t>(file.graphicClass.size())};
    data.insert(data.end(), file.graphicClass.begin(), file.graphicClass.end());
    if (file.counted) AppendUint32(data, static_cast<uint32_t>(file.bytes.size()));
    data.insert(data.end(), file.bytes.begin(), file.bytes.end());
    Path(path).WriteBinary(data);
    return file.bytes.size();
  }
  // An embedded sound's stored data: a 4-byte length, then the file.
  uint64_t Sound(std::string_view path, const std::vector<uint8_t>& file) {
    std::vector<uint8_t> data;
    AppendUint32(data, static_cast<uint32_t>(file.size()));
    data.insert(data.end(), file.begin(), file.end());
    Path(path).WriteBinary(data);
    return file.size();
  }

 private:
  TStreamOutput& Path(std::string_view path) {
    m_out.WriteShortString(path);
    return m_out;
  }

  TStreamOutput m_out;
};

template <typename T>
class TCycle {
 public:
  explicit TCycle(std::vector<T> items) : m_items(std::move(items)) {}
  const T& Next() { return m_items[m_next++ % m_items.size()]; }

 private:
  std::vector<T> m_items;
  size_t m_next = 0;
};

constexpr int kPages = 20;
constexpr std::array<std::string_view, 5> kActions = {"aatRunProgram", "aatOpenDocument", "aatGotoWeb",
                                                      "aatJumpToPage", "aatShowPicture"};

void WriteWindowProperties(TDocumentWriter& w, TCycle<TPictureFile>& pictures,
                           TCycle<std::vector<uint8_t>>& sounds, uint64_t& media) {
  w.Integer("Left", 192);
  w.Integer("Top", 108);
  w.Set("BorderIcons", {"biSystemMenu", "biMinimize"});
  w.Ident("BorderStyle", "bsSingle");
  w.String("Caption", "Product CD");
  w.Integer("ClientHeight", 600);
  w.Integer("ClientWidth", 800);
  w.Ident("Color", "clBlack");
  w.Ident("Font.Charset", "DEFAULT_CHARSET");
  w.Ident("Font.Color", "clWindowText");
  w.Integer("Font.Height", -11);
  w.String("Font.Name", "MS Sans Serif");
  w.Set("Font.Style", {});
  w.Boolean("OldCreateOrder", false);
  w.Ident("Position", "poScreenCenter");
  w.Ident("OnCloseQuery", "FormCloseQuery");
  w.Ident("OnCreate", "FormCreate");
  w.Integer("PixelsPerInch", 96);
  w.Integer("TextHeight", 13);
  w.Integer("PageCount", kPages - 1);
  std::vector<std::string> pages;
  for (int page = 0; page < kPages; ++page) pages.push_back("Page " + std::to_string(page + 1));
  w.Strings("Pages.Strings", pages);
  w.Ident("BackGround", "afsGlyph");
  media += w.Picture("Picture.Data", pictures.Next());
  media += w.Sound("StartupSound.Data", sounds.Next());
  w.Boolean("AutoMusic", true);
  w.Strings("FontList.Strings", {"menu.ttf", "title.ttf"});
  w.Integer("HintOpacity", 85);
  w.Integer("UserVersion.FileVerMajor", 2);
  w.String("UserVersion.Description", "Product CD menu");
  w.String("TextTranslation.PasswordPrompt", "Password:");
}

// Common properties of every control: position on a grid, caption, hint, action.
void WriteControlBasics(TDocumentWriter& w, size_t index, std::string_view prefix) {
  w.Integer("Left", 8 + static_cast<int64_t>(index % 10) * 78);
  w.Integer("Top", 8 + static_cast<int64_t>(index / 10 % 10) * 58);
  w.Integer("Width", 72);
  w.Integer("Height", 52);
  w.String("Caption", std::string(prefix) + " " + std::to_string(index));
  w.String("Hint", "Opens item " + std::to_string(index));
  w.Ident("ActionType", kActions[index % kActions.size()]);
  w.String("Parameter", "content\\item" + std::to_string(index) + ".html");
}

uint64_t WriteButton(TDocumentWriter& w, size_t index, TCycle<TPictureFile>& pictures) {
  uint64_t media = 0;
  w.Begin("TKIVButton", "KIVButton" + std::to_string(index + 1));
  WriteControlBasics(w, index, "Button");
  w.String("Font.Name", "Arial");
  w.Integer("Font.Height", -12);
  w.Set("Font.Style", {"fsBold"});
  w.Ident("OverColor", "clSilver");
  if (index % 2 == 0) media += w.Picture("ImgIcon.Data", pictures.Next());
  w.Ident("Layout", "aglGlyphTop");
  w.Ident("Style", "absFlat");
  return media;
}

uint64_t WriteHotLabel(TDocumentWriter& w, size_t index, TCycle<TPictureFile>&) {
  w.Begin("TKIVHotLabel", "KIVHotLabel" + std::to_string(index + 1));
  WriteControlBasics(w, index, "Link");
  w.Ident("Cursor", "crHandPoint");
  w.Ident("Font.Color", "clBlue");
  w.Set("Font.Style", {"fsUnderline"});
  w.Ident("DownColor", "clRed");
  w.Ident("OverColor", "clNavy");
  w.Ident("Style", "aalUnderLine");
  return 0;
}

uint64_t WriteImage(TDocumentWriter& w, size_t index, TCycle<TPictureFile>& pictures) {
  w.Begin("TKIVImage", "KIVImage" + std::to_string(index + 1));
  WriteControlBasics(w, index, "Image");
  w.Boolean("AutoSize", false);
  uint64_t media = w.Picture("Pic.Data", pictures.Next());
  w.Boolean("Stretch", true);
  w.Boolean("KeepAspectRatio", true);
  return media;
}

uint64_t WriteShape(TDocumentWriter& w, size_t index, TCycle<TPictureFile>& pictures) {
  uint64_t media = 0;
  const bool glyph = index % 20 < 10;  // every other shape is filled with a picture
  w.Begin("TKIVShape", "KIVShape" + std::to_string(index + 1));
  WriteControlBasics(w, index, "Shape");
  w.Ident("FillStyle", glyph ? "afsGlyph" : "afsGradient");
  if (glyph) media += w.Picture("Glyph.Data", pictures.Next());
  w.Ident("GradBeginColor", "clWhite");
  w.Integer("GradEndColor", 0x804000);
  w.Ident("GradStyle", "agsRadialC");
  w.Integer("RoundRadius", 12);
  w.Ident("Shape", "assRoundRect");
  return media;
}

uint64_t WriteCoolButton(TDocumentWriter& w, size_t index, TCycle<TPictureFile>& pictures) {
  w.Begin("TKIVCoolButton", "KIVCoolButton" + std::to_string(index + 1));
  WriteControlBasics(w, index, "Cool");
  w.Set("Font.Style", {"fsBold"});
  uint64_t media = w.Picture("Picture.Data", pictures.Next());
  w.Integer("GlyphNumber", 3);
  media += w.Picture("ImgIcon.Data", pictures.Next());
  w.Ident("TextStyle", "abtRaised");
  w.Integer("StretchMargin", 6);
  return media;
}

// Starts control index's record and writes its properties; returns the embedded file bytes.
// Of every ten controls: three buttons, two hot labels, two images, a shape, two cool buttons.
uint64_t WriteControl(TDocumentWriter& w, size_t index, TCycle<TPictureFile>& pictures) {
  using TWriter = uint64_t (*)(TDocumentWriter&, size_t, TCycle<TPictureFile>&);
  constexpr std::array<TWriter, 10> kMix = {WriteButton, WriteButton,     WriteButton, WriteHotLabel,
                                            WriteHotLabel, WriteImage,    WriteImage,  WriteShape,
                                            WriteCoolButton, WriteCoolButton};
  return kMix[index % kMix.size()](w, index, pictures);
}

}  // namespace

std::span<const uint8_t> TBenchDocument::CompressedData() const {
  const size_t countAt = kContainerMagic.size() + 4;  // behind the magic and the compression marker
  const uint32_t count = container[countAt] | (container[countAt + 1] << 8) | (container[countAt + 2] << 16) |
                         (static_cast<uint32_t>(container[countAt + 3]) << 24);
  return std::span<const uint8_t>(container).subspan(countAt + 4, count);
}

TBenchDocument MakeBenchDocument(size_t controlCount, uint64_t mediaBytes) {
  const fs::path testData(TestDataPath(""));
  TCycle<TPictureFile> pictures(LoadPictures(testData));
  TCycle<std::vector<uint8_t>> sounds(LoadSounds(testData));

  TBenchDocument doc;
  doc.controlCount = controlCount;
  TDocumentWriter w(doc.stream);
  w.Begin("TfrmMain", "frmMain");
  WriteWindowProperties(w, pictures, sounds, doc.mediaBytes);
  w.End();
  for (size_t i = 0; i < controlCount; ++i) {
    doc.mediaBytes += WriteControl(w, i, pictures);
    // Sounds keep the embedded bytes on schedule: by control i, (i + 1) / count of the total.
    const uint64_t due = mediaBytes * (i + 1) / controlCount;
    if (doc.mediaBytes < due) doc.mediaBytes += w.Sound("MouseClickSound.Data", sounds.Next());
    if (doc.mediaBytes < due) doc.mediaBytes += w.Sound("MouseEnterSound.Data", sounds.Next());
    w.End();  // properties
    w.End();  // children
  }
  w.End();  // the window's children
  doc.container = WriteDocumentContainer(doc.stream, {true, false, std::nullopt});
  return doc;
}
