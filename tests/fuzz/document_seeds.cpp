// Writes the crafted seeds of the document fuzz target into a folder: one menu document using
// several menu classes with embedded pictures and sounds, in every container framing (plain,
// compressed, block-marked, appended to an executable with each trailer tag) and as a bare
// stream; a document whose unknown properties hold every value kind; and minimal documents,
// small enough for the fuzzer to mutate quickly; documents whose counts claim more than the file
// holds. Also writes the fuzzer's dictionary.
// Usage: document_fuzzer_seeds <folder> <dictionary file>. The pictures and sounds are small real
// files of the tests' data folder.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "seed_dictionary.h"
#include "document/container.h"
#include "document/text_form.h"
#include "support/test_data.h"

namespace {

namespace fs = std::filesystem;

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A binary value of the text form, 32 bytes a line.
std::string Hex(const std::vector<uint8_t>& bytes, const std::string& indent) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string text = "{";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n" + indent + "  ";
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text + "}";
}

// A picture's stored data: the format's class name, then the format's data (counted files
// carry a 4-byte length first).
std::string PictureData(const std::string& className, const std::vector<uint8_t>& file, bool counted,
                        const std::string& indent) {
  std::vector<uint8_t> data{static_cast<uint8_t>(className.size())};
  data.insert(data.end(), className.begin(), className.end());
  if (counted) AppendUint32(data, static_cast<uint32_t>(file.size()));
  data.insert(data.end(), file.begin(), file.end());
  return Hex(data, indent);
}

// An embedded sound's stored data: a 4-byte length, then the file.
std::string SoundData(const std::vector<uint8_t>& file, const std::string& indent) {
  std::vector<uint8_t> data;
  AppendUint32(data, static_cast<uint32_t>(file.size()));
  data.insert(data.end(), file.begin(), file.end());
  return Hex(data, indent);
}

std::string MenuText() {
  const auto bitmap = ReadTestFile("bmp/1bit-pat36.bmp");
  const auto png = ReadTestFile("png/pngsuite/basic/basn3p01.png");
  const auto gif = ReadTestFile("gif/palette.gif");
  const auto jpeg = ReadTestFile("jpeg/video-001.q50.422.progressive.jpeg");
  const auto wave = ReadTestFile("audio/wav/raspire-8bit-mono.wav");
  const std::string in1 = "  ";
  const std::string in2 = "    ";
  return "object frmMain: TfrmMain\n"
         "  Left = 200\n  Top = 120\n"
         "  BorderIcons = [biSystemMenu, biMinimize]\n  BorderStyle = bsSingle\n"
         "  Caption = 'Seed menu'\n  ClientHeight = 480\n  ClientWidth = 640\n  Color = clBlack\n"
         "  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clWhite\n  Font.Height = -13\n"
         "  Font.Name = 'Tahoma'\n  Font.Style = [fsBold]\n  OldCreateOrder = False\n"
         "  Position = poScreenCenter\n  OnCloseQuery = FormCloseQuery\n  OnCreate = FormCreate\n"
         "  PixelsPerInch = 96\n  ActivePage = 1\n  PageCount = 2\n"
         "  Pages.Strings = (\n    'Home'\n    'Extras'\n    'Caf'#233)\n"
         "  BackGround = afsGradient\n  GradBeginColor = clNavy\n  GradEndColor = $00FF8000\n"
         "  GradStyle = agsRadialC\n  GridX = 1\n"
         "  Picture.Data = " + PictureData("TJPEGImage", jpeg, true, in1) + "\n"
         "  StartupPage = 1\n"
         "  StartupSound.Data = " + SoundData(wave, in1) + "\n"
         "  AutoMusic = True\n  WindowStyle = awsNoBorder\n  SplashDelay = 90\n"
         "  FontList.Strings = (\n    'seed.ttf')\n"
         "  HintFont.Name = 'Verdana'\n  HintOpacity = 80\n  ExitWithESC = True\n"
         "  UserVersion.FileVerMajor = 1\n  UserVersion.Description = 'Seed menu'\n"
         "  TextTranslation.NoFlashMessage = 'Flash fehlt'\n"
         "  TextTranslation.PasswordPrompt = 'Kennwort:'\n"
         "  TextHeight = 16\n"
         "  object KIVButton1: TKIVButton\n"
         "    Left = 24\n    Top = 32\n    Width = 120\n    Height = 30\n    Caption = 'Install'\n"
         "    Font.Name = 'Arial'\n    Font.Style = [fsBold, fsUnderline]\n"
         "    ActionType = aatRunProgram\n    MouseClickSound.Data = " + SoundData(wave, in2) + "\n"
         "    Parameter = 'setup.exe'\n    SecondParam = '/quiet'\n    GroupIndex = 1\n"
         "    ImgIcon.Data = " + PictureData("TPNGObject", png, false, in2) + "\n"
         "    Layout = aglGlyphTop\n    Style = absFlat\n    Opacity = 150\n"
         "  end\n"
         "  object KIVShape1: TKIVShape [0]\n"
         "    Left = 8\n    Top = 8\n    Width = 300\n    Height = 200\n"
         "    BorderWidth = 3\n    FillStyle = afsGlyph\n"
         "    Glyph.Data = " + PictureData("TBitmap", bitmap, true, in2) + "\n"
         "    GradStyle = agsDiamond\n    RoundRadius = 12\n    Shape = assRoundRect\n"
         "    StartAngle = -30\n    Vectors = 500\n"
         "  end\n"
         "  object KIVImage1: TKIVImage\n"
         "    Left = 320\n    Top = 40\n    Width = 64\n    Height = 64\n    AutoSize = False\n"
         "    Pic.Data = " + PictureData("TGIFImage", gif, true, in2) + "\n"
         "    Stretch = True\n    KeepAspectRatio = True\n    IAName = 'logo'\n"
         "  end\n"
         "  object KIVCoolButton1: TKIVCoolButton\n"
         "    Left = 24\n    Top = 80\n    Caption = 'Browse'\n    ActionType = aatExplore\n"
         "    Parameter = '.'\n"
         "    Picture.Data = " + PictureData("TBitmap", bitmap, true, in2) + "\n"
         "    GlyphNumber = 7\n    Margin = -4\n    StretchMargin = 4\n    TextStyle = abtLowered\n"
         "  end\n"
         "  object KIVHotLabel1: TKIVHotLabel\n"
         "    Left = 24\n    Top = 130\n    Caption = 'www.example.org'\n    ActionType = aatGotoWeb\n"
         "    Parameter = 'http://www.example.org/'\n    Hint = 'Visit us'\n    Style = aalUnderLine\n"
         "    OverColor = clRed\n"
         "  end\n"
         "  object KIVThreadTimer1: TKIVThreadTimer\n"
         "    Enabled = True\n    Interval = 250\n    Priority = tpLower\n"
         "  end\n"
         "end\n";
}

// Unknown properties are skipped by value code; this document holds one of every code, nested
// lists and collections included, and unknown paths below known sub-objects.
constexpr const char* kUnknownValuesText = R"(object frmMain: TfrmMain
  Caption = 'Values'
  UnknownInt8 = 5
  UnknownInt16 = -1000
  UnknownInt32 = 100000
  UnknownInt64 = 10000000000
  UnknownExtended = 1.5
  UnknownSingle = 2.5s
  UnknownCurrency = 3.25c
  UnknownDate = 45000.5d
  UnknownInfinity = -Inf
  UnknownString = 'short'
  UnknownLongString = 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'
  UnknownUtf8 = 'Caf'#233' '#8364
  UnknownIdent = SomeValue
  UnknownTrue = True
  UnknownFalse = False
  UnknownNil = nil
  UnknownSet = [alpha, beta]
  UnknownEmptySet = []
  UnknownList = (1 'two' (3 4) [x] {00FF})
  UnknownBinary = {0011223344}
  UnknownCollection = <
    item
      Name = 'first'
      Values = (1 2)
    end
    item [5]
      Value = 3
    end>
  Font.UnknownFontProperty = 12
  UnknownObject.Sub.Path = 'deep'
  object KIVButton1: TKIVButton
    UnknownChildProperty = <>
    Caption = 'Known'
  end
end
)";

constexpr const char* kMinimalText = R"(object frmMain: TfrmMain
  Caption = 'Minimal'
end
)";

// A stream whose window holds a binary value claiming far more bytes than follow: the reader
// must fail without allocating them, from a file or from an inflating source.
std::vector<uint8_t> HostileBinaryStream() {
  std::vector<uint8_t> stream = ObjectTextToBinary("object frmMain: TfrmMain\n  IconData.Data = {AB}\nend\n");
  const uint8_t binary[] = {10, 1, 0, 0, 0, 0xAB};  // code, length 1, the byte
  auto at = std::search(stream.begin(), stream.end(), std::begin(binary), std::end(binary));
  if (at == stream.end()) throw std::runtime_error("no binary value in the hostile stream");
  const uint8_t claimed[] = {0xF0, 0xFF, 0xFF, 0x7F};
  std::copy(std::begin(claimed), std::end(claimed), at + 1);
  return stream;
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteSeeds(const fs::path& folder) {
  fs::create_directories(folder);
  const std::vector<uint8_t> menu = ObjectTextToBinary(MenuText());
  const std::vector<uint8_t> values = ObjectTextToBinary(kUnknownValuesText);
  const std::vector<uint8_t> minimal = ObjectTextToBinary(kMinimalText);
  const TClientSize vga{640, 480};

  WriteFile(folder / "menu.kiv", WriteDocumentContainer(menu, {true, false, vga}));
  WriteFile(folder / "menu-plain.kiv", WriteDocumentContainer(menu, {false, false, std::nullopt}));
  WriteFile(folder / "menu-block.kiv", WriteDocumentContainer(menu, {true, true, std::nullopt}));
  WriteFile(folder / "menu-block-plain.kiv", WriteDocumentContainer(menu, {false, true, vga}));
  WriteFile(folder / "menu.tpf", menu);

  // A stand-in for the player executable that carries the document.
  std::vector<uint8_t> executable{'M', 'Z'};
  executable.resize(512, 0x90);
  const auto container = WriteDocumentContainer(menu, {true, true, vga});
  WriteFile(folder / "menu-new-saflag.exe", AppendContainer(executable, container, kTagNewSaFlag));
  WriteFile(folder / "menu-standalone.exe", AppendContainer(executable, container, kTagStandalone));

  WriteFile(folder / "unknown-values.kiv", WriteDocumentContainer(values, {false, false, std::nullopt}));
  WriteFile(folder / "unknown-values.tpf", values);
  WriteFile(folder / "minimal.kiv", WriteDocumentContainer(minimal, {false, false, std::nullopt}));
  WriteFile(folder / "minimal-compressed.kiv", WriteDocumentContainer(minimal, {true, false, vga}));
  WriteFile(folder / "minimal.tpf", minimal);

  // Counts beyond what the file holds.
  const std::vector<uint8_t> hostile = HostileBinaryStream();
  WriteFile(folder / "hostile-binary.kiv", WriteDocumentContainer(hostile, {true, false, std::nullopt}));
  WriteFile(folder / "hostile-binary-plain.kiv", WriteDocumentContainer(hostile, {false, false, std::nullopt}));
  std::vector<uint8_t> longCompression = WriteDocumentContainer(minimal, {true, false, std::nullopt});
  const size_t lengthAt = kContainerMagic.size() + 4;
  for (size_t i = 0; i < 4; ++i) longCompression[lengthAt + i] = 0xFF;
  WriteFile(folder / "hostile-compressed-length.kiv", longCompression);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: document_fuzzer_seeds <folder> <dictionary file>\n");
    return 2;
  }
  try {
    WriteSeeds(argv[1]);
    WriteDocumentDictionary(argv[2]);
  } catch (const ETextFormError& e) {
    std::fprintf(stderr, "document_fuzzer_seeds: line %d, column %d: %s\n", e.Line(), e.Column(), e.what());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "document_fuzzer_seeds: %s\n", e.what());
    return 1;
  }
  return 0;
}
