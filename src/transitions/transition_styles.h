#pragma once
// The style table of the transitions: style n (1 to 150) has a name and a frame procedure;
// entry 0 is the custom style, drawn by the engine's owner, with no procedure.
//
// A frame procedure is called only for a progress strictly between 0 and 100 (at 0 the frame is
// the old picture, at 100 the new one) with a display that holds the old picture; it brings onto
// the display as much of the new picture as its style shows at that progress. Procedures keep no
// state between frames; the random styles draw from the generator the frame carries.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "transitions/frame.h"

inline constexpr int32_t kTransitionStyleCount = 150;

struct TTransitionStyle {
  std::string_view name;
  TFrameProcedure draw = nullptr;  // null for the custom style
};

// Entries 0 to kTransitionStyleCount.
const std::array<TTransitionStyle, kTransitionStyleCount + 1>& TransitionStyles();

// The style whose name equals name in any letter case: "Custom" first, then the table in order
// (the first match wins); nothing when no style has that name.
std::optional<int32_t> FindTransitionStyle(std::string_view name);

// The procedures of each family, filled into the table by the families' own files.
using TStyleProcedures = std::array<TFrameProcedure, kTransitionStyleCount + 1>;
void AddRectangleStyles(TStyleProcedures& table);  // 1 to 57
void AddCurveStyles(TStyleProcedures& table);      // 58, 59, 69, 70, 80 to 85
void AddBarStyles(TStyleProcedures& table);        // 60 to 64, 71 to 75, 86 to 99
void AddShredStyles(TStyleProcedures& table);      // 65 to 68, 76 to 79, 100 to 109
void AddTurnStyles(TStyleProcedures& table);       // 110 to 117, 142, 143, 144, 149, 150
void AddPixelStyles(TStyleProcedures& table);      // 118 to 122
void AddSpeckleStyles(TStyleProcedures& table);    // 123 to 127
void AddPushStyles(TStyleProcedures& table);       // 128 to 135
void AddBlindStyles(TStyleProcedures& table);      // 136 to 141, 145 to 148
