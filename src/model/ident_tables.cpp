#include "model/ident_tables.h"

#include <span>

#include "model/names.h"

namespace {

struct TIdentEntry {
  int32_t value;
  std::string_view name;
};

constexpr TIdentEntry kColors[] = {
    {clBlack, "clBlack"},     {clMaroon, "clMaroon"},   {clGreen, "clGreen"},
    {clOlive, "clOlive"},     {clNavy, "clNavy"},       {clPurple, "clPurple"},
    {clTeal, "clTeal"},       {clGray, "clGray"},       {clSilver, "clSilver"},
    {clRed, "clRed"},         {clLime, "clLime"},       {clYellow, "clYellow"},
    {clBlue, "clBlue"},       {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},
    {clWhite, "clWhite"},     {0xC0DCC0, "clMoneyGreen"}, {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},    {0xA4A0A0, "clMedGray"},  {clNone, "clNone"},
    {clDefault, "clDefault"}, {SystemColor(0), "clScrollBar"}, {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"}, {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"}, {SystemColor(5), "clWindow"}, {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"}, {SystemColor(8), "clWindowText"},
    {SystemColor(9), "clCaptionText"}, {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"}, {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"}, {SystemColor(14), "clHighlightText"},
    {SystemColor(15), "clBtnFace"}, {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"}, {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"}, {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"}, {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"}, {SystemColor(24), "clInfoBk"},
    {SystemColor(26), "clHotLight"}, {SystemColor(27), "clGradientActiveCaption"},
    {SystemColor(28), "clGradientInactiveCaption"}, {SystemColor(29), "clMenuHighlight"},
    {SystemColor(30), "clMenuBar"},
};

constexpr TIdentEntry kCharsets[] = {
    {0, "ANSI_CHARSET"},       {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},       {128, "SHIFTJIS_CHARSET"},   {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},    {134, "GB2312_CHARSET"},     {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},    {162, "TURKISH_CHARSET"},    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},     {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

// crSize shares -22 with crSizeAll; the first name wins when a value is turned back into a name.
constexpr TIdentEntry kCursors[] = {
    {0, "crDefault"},     {-2, "crArrow"},      {-3, "crCross"},     {-4, "crIBeam"},
    {-6, "crSizeNESW"},   {-7, "crSizeNS"},     {-8, "crSizeNWSE"},  {-9, "crSizeWE"},
    {-10, "crUpArrow"},   {-11, "crHourGlass"}, {-12, "crDrag"},     {-13, "crNoDrop"},
    {-14, "crHSplit"},    {-15, "crVSplit"},    {-16, "crMultiDrag"}, {-17, "crSQLWait"},
    {-18, "crNo"},        {-19, "crAppStart"},  {-20, "crHelp"},     {-21, "crHandPoint"},
    {-22, "crSizeAll"},   {-22, "crSize"},
};

std::span<const TIdentEntry> TableOf(TIdentTable table) {
  switch (table) {
    case TIdentTable::Color: return kColors;
    case TIdentTable::FontCharset: return kCharsets;
    case TIdentTable::Cursor: return kCursors;
    case TIdentTable::None: break;
  }
  return {};
}

}  // namespace

std::optional<int32_t> IdentToInt(TIdentTable table, std::string_view identifier) {
  for (const TIdentEntry& e : TableOf(table))
    if (SameText(e.name, identifier)) return e.value;
  return std::nullopt;
}

std::optional<std::string_view> IntToIdent(TIdentTable table, int32_t value) {
  for (const TIdentEntry& e : TableOf(table))
    if (e.value == value) return e.name;
  return std::nullopt;
}
