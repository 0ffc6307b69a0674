#pragma once
// Turns the fonts documents name ("Arial", "MS Sans Serif", "Tahoma", ...) into Qt fonts that
// look and measure the same on every machine. The stand-ins are loaded from their Debian files,
// each face (regular, bold, italic, bold italic) when a font first resolves to it, so the result
// does not depend on the machine's fontconfig defaults:
//   Arial, Times New Roman, Courier New  -> Liberation Sans, Serif, Mono
//   Tahoma                               -> Tahoma of the Wine font package
//   MS Sans Serif (and "Default")        -> the Wine package's bitmap MS Sans Serif at its one
//                                           size (13-pixel cell), else Liberation Sans
//   Verdana                              -> DejaVu Sans
//   SimSun, MS Gothic, Gulim and the other
//   Chinese, Japanese and Korean faces   -> Droid Sans Fallback
// Fonts added with AddFontFile (a document's own fonts) take precedence by family name; any
// other name goes to fontconfig.
//
// Heights follow the stored font: a negative height is the character height (the em) in pixels
// and becomes the Qt pixel size as it is; a positive height is the cell height (ascent plus
// descent) and is converted with the font's own Windows ascent and descent; 0 means 16 pixels.
//
// Every function here needs a QGuiApplication and runs on the user-interface thread.

#include <QFont>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/font.h"

// The font a canvas draws with: the stored font's description plus its colour.
struct TCanvasFont {
  std::string name = "MS Sans Serif";
  int32_t height = -11;
  uint32_t style = 0;  // TFontStyle bits
  uint8_t charset = DEFAULT_CHARSET;
  TColor color = clWindowText;

  static TCanvasFont From(const TFont& font);
  friend bool operator==(const TCanvasFont&, const TCanvasFont&) = default;
};

// Which text engine a font is for: crisp system text or antialiased text.
enum class TTextMode : uint8_t { tmSystem, tmAntialiased };

// The largest character height in pixels a font is drawn at; larger stored heights are clamped
// so a damaged document cannot ask for giant glyph images.
inline constexpr int32_t kMaxFontPixels = 2048;

// The Qt font for font in the given mode (colour is not part of it).
QFont ResolveFont(const TCanvasFont& font, TTextMode mode);

// A resolved font's metrics as the platform computes them, in pixels, unrounded: the cell's
// ascent and descent from the font's Windows ascent and descent, the gap the antialiasing
// engine adds between lines (the font's line gap beyond its Windows cell), and the average
// character width (tab stops). A bitmap face has Qt's metrics.
struct TCellMetrics {
  double ascent = 0;
  double descent = 0;
  double lineGap = 0;
  double averageCharWidth = 0;
};
TCellMetrics CellMetrics(const QFont& font);

// Adds the fonts of a file for the rest of the run. Returns the families it holds (empty when
// the file is not a usable font).
std::vector<std::string> AddFontFile(const std::string& path);

// Removes every font added by AddFontFile.
void RemoveAddedFonts();

// A fontconfig configuration that gives other processes (a web engine's renderers) the fonts
// this resolver uses: the system's configuration, the stand-ins' folders, each face name bound
// to its stand-in family, and the files in fontFiles (a document's own fonts, by their folders).
// Needs no application.
std::string StandInFontConfig(const std::vector<std::string>& fontFiles);
