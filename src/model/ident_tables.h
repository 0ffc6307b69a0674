#pragma once
// Identifier tables of the integer types whose stored values may be names: colours, font
// character sets and cursors.

#include <cstdint>
#include <optional>
#include <string_view>

using TColor = int32_t;  // 0x00BBGGRR; 0xFF0000nn is system colour nn

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<uint32_t>(index)); }
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

using TCursor = int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crHandPoint = -21;

inline constexpr uint8_t DEFAULT_CHARSET = 1;

enum class TIdentTable : uint8_t { None, Color, FontCharset, Cursor };

// Value of identifier in table, ignoring letter case.
std::optional<int32_t> IdentToInt(TIdentTable table, std::string_view identifier);
// Identifier of value in table, or nothing when the value has none (it is then stored as a number).
std::optional<std::string_view> IntToIdent(TIdentTable table, int32_t value);
