#include "transitions/transition_styles.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::array<std::string_view, kTransitionStyleCount + 1> kNames = {
    "Custom",
    "Expand from right",
    "Expand from left",
    "Slide in from right",
    "Slide in from left",
    "Reveal from left",
    "Reveal from right",
    "Expand in from right",
    "Expand in from left",
    "Expand in to middle",
    "Expand out from middle",
    "Reveal out from middle",
    "Reveal in from sides",
    "Expand in from sides",
    "Unroll from left",
    "Unroll from right",
    "Build up from right",
    "Build up from left",
    "Expand from bottom",
    "Expand from top",
    "Slide in from bottom",
    "Slide in from top",
    "Reveal from top",
    "Reveal from bottom",
    "Expand in from bottom",
    "Expand in from top",
    "Expand in to middle (horiz)",
    "Expand out from middle (horiz)",
    "Reveal from middle (horiz)",
    "Slide in from top / bottom",
    "Expand in from top / bottom",
    "Unroll from top",
    "Unroll from bottom",
    "Expand from bottom",
    "Expand in from top",
    "Expand from bottom right",
    "Expand from top right",
    "Expand from top left",
    "Expand from bottom left",
    "Slide in from bottom right",
    "Slide in from top right",
    "Slide in from top left",
    "Slide in from bottom left",
    "Reveal from top left",
    "Reveal from bottom left",
    "Reveal from bottom right",
    "Reveal from top right",
    "Appear and Contract to top left",
    "Appear and Contract to bottom left",
    "Appear and Contract to bottom right",
    "Appear and Contract to top right",
    "Appear and Contract to middle",
    "Expand out from centre",
    "Reveal out from centre",
    "Reveal in to centre",
    "Quarters Reveal in to middle",
    "Quarters Expand to middle",
    "Quarters Slide in to middle",
    "Curved Reveal from left",
    "Curved Reveal from right",
    "Bars in from right",
    "Bars in from left",
    "Bars left then right",
    "Bars right then left",
    "Bars from both sides",
    "Uneven shred from right",
    "Uneven shred from left",
    "Uneven shred out from middle (horiz)",
    "Uneven shred in to middle (horiz)",
    "Curved Reveal from top",
    "Curved Reveal from bottom",
    "Bars from bottom",
    "Bars from top",
    "Bars top then bottom",
    "Bars bottom then top",
    "Bars from top and bottom",
    "Unven shred from bottom",
    "Uneven shred from top",
    "Uneven shred from horizon",
    "Uneven shred in to horizon",
    "Curved reveal from top left",
    "Curved reveal from top right",
    "Curved reveal from bottom left",
    "Curved reveal from bottom right",
    "Circular reveal from centre",
    "Circular reveal to centre",
    "Criss Cross reveal from bottom right",
    "Criss Cross reveal from top right",
    "Criss Cross reveal from bottom left",
    "Criss Cross reveal from top left",
    "Criss Cross reveal bounce from top left",
    "Criss Cross reveal bounce from bottom left",
    "Criss Cross reveal bounce from top right",
    "Criss Cross reveal bounce from bottom right",
    "Criss Cross reveal from right top and bottom",
    "Criss Cross reveal from left top and bottom",
    "Criss Cross reveal from left right and bottom",
    "Criss Cross reveal from left right and top",
    "Criss Cross reveal from top left right and bottom",
    "Criss Cross reveal from bottom left top right",
    "Uneven shred from bottom and right",
    "Uneven shred from top and right",
    "Uneven shred from bottom and left",
    "Uneven shred from top and left",
    "Uneven shred from horiz and right",
    "Uneven shred from horiz and left",
    "Uneven shred from bottom and vert middle",
    "Uneven shred from top and vert middle",
    "Uneven shred from centre",
    "Uneven shred to centre",
    "Reveal diagonal from top left",
    "Reveal diagonal from top right",
    "Reveal diagonal from bottom left",
    "Reveal diagonal from bottom right",
    "Diagonal sweep from top left bottom right anticlockwise",
    "Diagonal sweep from top left bottom right clockwise",
    "Starburst clockwise from center",
    "Triangular shred to top left",
    "Fade",
    "Pivot from top left",
    "Pivot from bottom left",
    "Pivot from top right",
    "Pivot from bottom right",
    "Speckle appear from right",
    "Speckle appear from left",
    "Speckle appear from bottom",
    "Speckle appear from top",
    "Random squares appear",
    "Push right",
    "Push left",
    "Push and squeeze right",
    "Push and squeeze left",
    "Push down",
    "Push up",
    "Push and sqeeze down",
    "Push and sqeeze up",
    "Blind vertically",
    "Blind horizontally",
    "Uneven blind from left",
    "Uneven blind from right",
    "Uneven blind from top",
    "Uneven blind from bottom",
    "Rectangular shred",
    "Sweep clockwise",
    "Sweep anticlockwise",
    "Rectangles apear from left and disapear to right",
    "Rectangles apear from right and disapear to left",
    "Rectangles apear from up and disapear to bottom",
    "Rectangles apear from bottom and disapear to up",
    "Rotational rectangle",
    "Rotational star",
};

std::array<TTransitionStyle, kTransitionStyleCount + 1> BuildTable() {
  TStyleProcedures procedures{};
  for (auto add : {AddRectangleStyles, AddCurveStyles, AddBarStyles, AddShredStyles, AddTurnStyles, AddPixelStyles,
                   AddSpeckleStyles, AddPushStyles, AddBlindStyles})
    add(procedures);
  std::array<TTransitionStyle, kTransitionStyleCount + 1> table{};
  for (size_t i = 0; i < table.size(); ++i) table[i] = {kNames[i], i == 0 ? nullptr : procedures[i]};
  return table;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char l, char r) {
    return std::tolower(static_cast<unsigned char>(l)) == std::tolower(static_cast<unsigned char>(r));
  });
}

}  // namespace

const std::array<TTransitionStyle, kTransitionStyleCount + 1>& TransitionStyles() {
  static const std::array<TTransitionStyle, kTransitionStyleCount + 1> table = BuildTable();
  return table;
}

std::optional<int32_t> FindTransitionStyle(std::string_view name) {
  const auto& table = TransitionStyles();
  for (size_t i = 0; i < table.size(); ++i)
    if (SameIgnoringCase(table[i].name, name)) return static_cast<int32_t>(i);
  return std::nullopt;
}
