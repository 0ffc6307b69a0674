#include "graphics/font_resolver.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRawFont>
#include <algorithm>
#include <cassert>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace {

// The bitmap MS Sans Serif of the Wine font package: Qt exposes its first strike only, a
// 13-pixel cell with an 11-pixel character height (the classic 8-point dialog font).
constexpr int32_t kBitmapSansCellPx = 13;
constexpr int32_t kBitmapSansCharPx = 11;
constexpr const char* kBitmapSansFamily = "MS Sans Serif";

// Character height for a stored height of 0.
constexpr int32_t kDefaultCharPx = 16;

// The one family standing in for every Chinese, Japanese and Korean face.
constexpr const char* kCjkFamily = "Droid Sans Fallback";

struct TStandIn {
  const char* faceName;  // lower case
  const char* family;    // what Qt knows the loaded files as
};

// Face names the documents use and the families standing in for them.
constexpr TStandIn kStandIns[] = {
    {"arial", "Liberation Sans"},     {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"}, {"tahoma", "Tahoma"},
    {"verdana", "DejaVu Sans"},       {"ms sans serif", "Liberation Sans"},
    {"default", "Liberation Sans"},
    // The Chinese, Japanese and Korean faces of Windows, by their English names.
    {"simsun", kCjkFamily},           {"nsimsun", kCjkFamily},
    {"simhei", kCjkFamily},           {"kaiti", kCjkFamily},
    {"mingliu", kCjkFamily},          {"pmingliu", kCjkFamily},
    {"ms gothic", kCjkFamily},        {"ms pgothic", kCjkFamily},
    {"ms ui gothic", kCjkFamily},     {"ms mincho", kCjkFamily},
    {"ms pmincho", kCjkFamily},       {"gulim", kCjkFamily},
    {"dotum", kCjkFamily},            {"batang", kCjkFamily},
    {"gungsuh", kCjkFamily},          {"microsoft yahei", kCjkFamily},
};

struct TStandInFile {
  const char* family;
  const char* path;
  uint32_t style;  // the fsBold and fsItalic bits of the face the file holds
};

// The Debian files of the stand-ins, so fontconfig's own choices do not matter. A file is loaded
// the first time a font resolves to its face: reading a font file for the font database scans
// all its characters, which a menu should not wait for when it never uses the face.
constexpr TStandInFile kStandInFiles[] = {
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf", 0},
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf", fsBold},
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation/LiberationSans-Italic.ttf", fsItalic},
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf", fsBold | fsItalic},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf", 0},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf", fsBold},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation/LiberationSerif-Italic.ttf", fsItalic},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf", fsBold | fsItalic},
    {"Liberation Mono", "/usr/share/fonts/truetype/liberation/LiberationMono-Regular.ttf", 0},
    {"Liberation Mono", "/usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf", fsBold},
    {"Liberation Mono", "/usr/share/fonts/truetype/liberation/LiberationMono-Italic.ttf", fsItalic},
    {"Liberation Mono", "/usr/share/fonts/truetype/liberation/LiberationMono-BoldItalic.ttf", fsBold | fsItalic},
    {"Tahoma", "/usr/share/wine/fonts/tahoma.ttf", 0},
    {"Tahoma", "/usr/share/wine/fonts/tahomabd.ttf", fsBold},
    {kBitmapSansFamily, "/usr/share/wine/fonts/ms_sans_serif.ttf", 0},
    {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
    {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", fsBold},
    {kCjkFamily, "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf", 0},
};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

struct TFontRegistry {
  std::set<std::string, std::less<>> standInsLoaded;  // paths of the stand-in files offered to Qt
  bool bitmapSansLoaded = false;
  std::map<std::string, std::string> addedFamilies;  // lower-case name -> family
  std::vector<int> addedIds;
  std::map<std::string, double> cellPerEm;  // family -> (Windows ascent + descent) / em
  std::map<QString, TCellMetrics> cellMetrics;  // QFont::key() -> metrics
};

TFontRegistry& Registry() {
  assert(QGuiApplication::instance() && "fonts need a QGuiApplication");
  static TFontRegistry registry;
  return registry;
}

// Offers Qt the stand-in file once.
void AddStandIn(const TStandInFile& file) {
  TFontRegistry& registry = Registry();
  if (!registry.standInsLoaded.insert(file.path).second) return;
  const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file.path));
  if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(kBitmapSansFamily)) registry.bitmapSansLoaded = true;
}

// Offers Qt the file of a stand-in family's face in style (its fsBold and fsItalic bits). A
// family without a file for that face gets all its files, so that Qt picks the nearest face and
// emboldens or slants it as it would with the whole family present.
void LoadStandIn(std::string_view family, uint32_t style) {
  style &= fsBold | fsItalic;
  const auto inFamily = [family](const TStandInFile& file) { return file.family == family; };
  const auto face = std::find_if(std::begin(kStandInFiles), std::end(kStandInFiles),
                                 [&](const TStandInFile& file) { return inFamily(file) && file.style == style; });
  if (face != std::end(kStandInFiles)) {
    AddStandIn(*face);
    return;
  }
  for (const TStandInFile& file : kStandInFiles)
    if (inFamily(file)) AddStandIn(file);
}

uint16_t ReadU16(const QByteArray& table, qsizetype offset) {
  if (offset + 2 > table.size()) return 0;
  return static_cast<uint16_t>((static_cast<uint8_t>(table[offset]) << 8) | static_cast<uint8_t>(table[offset + 1]));
}
int16_t ReadS16(const QByteArray& table, qsizetype offset) { return static_cast<int16_t>(ReadU16(table, offset)); }

// The font's own vertical metrics in font units, from its OS/2 and hhea tables.
struct TDesignMetrics {
  double unitsPerEm = 0;
  double winAscent = 0;
  double winDescent = 0;
  double lineGap = 0;  // beyond the Windows cell
  double averageCharWidth = 0;
};

std::optional<TDesignMetrics> ReadDesignMetrics(const QFont& font) {
  const QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid() || raw.unitsPerEm() < 16) return std::nullopt;
  const QByteArray os2 = raw.fontTable("OS/2");
  const QByteArray hhea = raw.fontTable("hhea");
  if (os2.size() < 78) return std::nullopt;
  TDesignMetrics m;
  m.unitsPerEm = raw.unitsPerEm();
  m.winAscent = ReadU16(os2, 74);
  m.winDescent = ReadU16(os2, 76);
  m.averageCharWidth = ReadS16(os2, 2);
  if (m.winAscent + m.winDescent <= 0) return std::nullopt;
  if (hhea.size() >= 10) {
    const double hheaHeight = ReadS16(hhea, 4) - ReadS16(hhea, 6);
    m.lineGap = std::max(0.0, ReadS16(hhea, 8) - ((m.winAscent + m.winDescent) - hheaHeight));
  }
  return m;
}

// The cell height per em of a family: the Windows ascent and descent over the units per em,
// which is how the platform turns a cell height into a character height; Qt's own ascent and
// descent when the font has no such table.
double CellPerEm(const QString& family) {
  auto& cache = Registry().cellPerEm;
  const std::string key = family.toStdString();
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  constexpr int kProbePx = 256;
  QFont probe(family);
  probe.setPixelSize(kProbePx);
  double ratio = 0;
  if (const auto design = ReadDesignMetrics(probe)) {
    ratio = (design->winAscent + design->winDescent) / design->unitsPerEm;
  } else {
    const QFontMetricsF metrics(probe);
    ratio = (metrics.ascent() + metrics.descent()) / kProbePx;
  }
  if (!(ratio > 0.1 && ratio < 10)) ratio = 1;
  cache[key] = ratio;
  return ratio;
}

const TStandIn* FindStandIn(std::string_view faceName) {
  const std::string lower = Lower(faceName);
  for (const TStandIn& s : kStandIns)
    if (lower == s.faceName) return &s;
  return nullptr;
}

bool IsBitmapSansName(std::string_view faceName) {
  const std::string lower = Lower(faceName);
  return lower == "ms sans serif" || lower == "default";
}

// The family for a face name ignoring the bitmap face; a stand-in's face in style is loaded.
std::string ScalableFamily(std::string_view faceName, uint32_t style) {
  TFontRegistry& registry = Registry();
  if (auto it = registry.addedFamilies.find(Lower(faceName)); it != registry.addedFamilies.end()) return it->second;
  if (const TStandIn* standIn = FindStandIn(faceName)) {
    LoadStandIn(standIn->family, style);
    return standIn->family;
  }
  return std::string(faceName);
}

bool UsesBitmapSans(std::string_view faceName, TTextMode mode, int32_t charHeightPx, uint32_t style) {
  // The bitmap face cannot be smoothed, scaled, emboldened or slanted: antialiased text, other
  // heights, bold and italics take the scalable stand-in.
  if (mode != TTextMode::tmSystem || charHeightPx != kBitmapSansCharPx || (style & (fsBold | fsItalic)) != 0 ||
      !IsBitmapSansName(faceName) || Registry().addedFamilies.contains(Lower(faceName)))
    return false;
  LoadStandIn(kBitmapSansFamily, style);
  return Registry().bitmapSansLoaded;
}

int32_t CharHeightPx(std::string_view faceName, const std::string& family, int32_t height) {
  int64_t px;
  if (height < 0) {
    px = -static_cast<int64_t>(height);
  } else if (height == 0) {
    px = kDefaultCharPx;
  } else if (height == kBitmapSansCellPx && IsBitmapSansName(faceName)) {
    px = kBitmapSansCharPx;
  } else {
    LoadStandIn(family, 0);  // the cell is measured on the regular face
    px = std::lround(std::min<double>(height, kMaxFontPixels * 10.0) / CellPerEm(QString::fromStdString(family)));
  }
  return static_cast<int32_t>(std::clamp<int64_t>(px, 1, kMaxFontPixels));
}

}  // namespace

TCanvasFont TCanvasFont::From(const TFont& font) {
  return {font.Name(), font.Height(), font.Style(), font.Charset(), font.Color()};
}

QFont ResolveFont(const TCanvasFont& font, TTextMode mode) {
  const std::string scalable = ScalableFamily(font.name, font.style);
  const int32_t charPx = CharHeightPx(font.name, scalable, font.height);
  const bool bitmap = UsesBitmapSans(font.name, mode, charPx, font.style);

  QFont result;
  result.setFamilies({QString::fromStdString(bitmap ? std::string(kBitmapSansFamily) : scalable)});
  result.setPixelSize(bitmap ? kBitmapSansCellPx : charPx);
  result.setWeight((font.style & fsBold) ? QFont::Bold : QFont::Normal);
  result.setItalic(font.style & fsItalic);
  result.setUnderline(font.style & fsUnderline);
  result.setStrikeOut(font.style & fsStrikeOut);
  // Neither platform text engine kerns by default.
  result.setKerning(false);
  if (mode == TTextMode::tmSystem) {
    result.setStyleStrategy(QFont::NoAntialias);
    result.setHintingPreference(QFont::PreferFullHinting);
  } else {
    // Grey antialiasing without grid fitting, the same on every screen.
    result.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    result.setHintingPreference(QFont::PreferNoHinting);
  }
  return result;
}

TCellMetrics CellMetrics(const QFont& font) {
  auto& cache = Registry().cellMetrics;
  const QString key = font.key();
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  TCellMetrics result;
  const auto design = font.family() == kBitmapSansFamily ? std::nullopt : ReadDesignMetrics(font);
  if (design) {
    const double scale = font.pixelSize() / design->unitsPerEm;
    result = {design->winAscent * scale, design->winDescent * scale, design->lineGap * scale,
              design->averageCharWidth * scale};
  } else {
    const QFontMetricsF metrics(font);
    result = {metrics.ascent(), metrics.descent(), std::max(0.0, metrics.leading()), metrics.horizontalAdvance(u'x')};
  }
  if (result.averageCharWidth <= 0) result.averageCharWidth = QFontMetricsF(font).horizontalAdvance(u'x');
  cache[key] = result;
  return result;
}

std::vector<std::string> AddFontFile(const std::string& path) {
  TFontRegistry& registry = Registry();
  const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
  if (id < 0) return {};
  registry.addedIds.push_back(id);
  std::vector<std::string> families;
  for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
    families.push_back(family.toStdString());
    registry.addedFamilies[Lower(families.back())] = families.back();
  }
  return families;
}

void RemoveAddedFonts() {
  TFontRegistry& registry = Registry();
  for (int id : registry.addedIds) QFontDatabase::removeApplicationFont(id);
  registry.addedIds.clear();
  registry.addedFamilies.clear();
  registry.cellPerEm.clear();
  registry.cellMetrics.clear();
}

namespace {

// Text as XML character data.
std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string FolderOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash));
}

}  // namespace

std::string StandInFontConfig(const std::vector<std::string>& fontFiles) {
  std::set<std::string> folders;
  for (const TStandInFile& file : kStandInFiles) folders.insert(FolderOf(file.path));
  for (const std::string& file : fontFiles) folders.insert(FolderOf(file));
  std::string config =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
      "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n";
  for (const std::string& folder : folders) config += "  <dir>" + XmlEscaped(folder) + "</dir>\n";
  for (const TStandIn& standIn : kStandIns) {
    if (Lower(standIn.family) == standIn.faceName) continue;
    config += "  <match target=\"pattern\"><test name=\"family\" compare=\"eq\" ignore-blanks=\"true\"><string>" +
              XmlEscaped(standIn.faceName) + "</string></test><edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>" +
              XmlEscaped(standIn.family) + "</string></edit></match>\n";
  }
  config += "</fontconfig>\n";
  return config;
}
