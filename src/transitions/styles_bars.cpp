// Styles 60 to 64, 71 to 75 and 86 to 99: bars that grow along bands of 5 rows (or columns), one
// set of bands after the other or both sets at once, and the criss-cross unions of row and
// column bars.
//
// Bands are 5 rows high; set A starts at rows 0, 10, 20, ..., set B at 5, 15, 25, ..., each
// while its start is below the height + 5. A bar of length L starts at its band's near or far
// side.

#include <array>

#include "transitions/band_axis.h"
#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

enum class TSide : uint8_t { sdNear, sdFar };

void AddBars(TFrameMask& mask, const TBandAxis& axis, int32_t firstBand, int32_t length, TSide side, bool whole) {
  for (int32_t start = firstBand; start < axis.breadth + 5; start += 10) {
    if (whole)
      mask.AddRect(axis.Band(0, axis.length, start, 5));
    else if (side == TSide::sdNear)
      mask.AddRect(axis.Band(0, length, start, 5));
    else
      mask.AddRect(axis.Band(axis.length - length, axis.length, start, 5));
  }
}

// How the bars of one axis grow.
struct TBarRule {
  enum TPhases : uint8_t {
    brNone,      // no bars on this axis
    brTwoPhase,  // set A grows to twice the advance, then set B over the rest
    brOnePhase,  // both sets grow by the advance at once
  } phases;
  TSide sideA;
  TSide sideB;
  bool snap;  // a bar within the size unit S of the full length is drawn whole
};

// Two phases, bars of length 2 * advance: while that fits, set A grows from its side (whole once
// within S of the full length); beyond it set A is whole and set B grows over the remainder
// from its side.
void AddTwoPhaseBars(TFrameMask& mask, const TBandAxis& axis, const TBarRule& rule, int32_t snap) {
  const int32_t length = 2 * axis.advance;
  if (length <= axis.length) {
    AddBars(mask, axis, 0, length, rule.sideA, rule.snap && axis.length < length + snap);
  } else {
    AddBars(mask, axis, 0, axis.length, rule.sideA, true);
    AddBars(mask, axis, 5, length - axis.length, rule.sideB, false);
  }
}

// One phase, bars of length advance in both sets; with snap, a bar within S of the full length
// is whole.
void AddOnePhaseBars(TFrameMask& mask, const TBandAxis& axis, const TBarRule& rule, int32_t snap) {
  const bool whole = rule.snap && axis.length < axis.advance + snap;
  AddBars(mask, axis, 0, axis.advance, rule.sideA, whole);
  AddBars(mask, axis, 5, axis.advance, rule.sideB, whole);
}

void AddRule(TFrameMask& mask, const TBandAxis& axis, const TBarRule& rule, int32_t snap) {
  if (rule.phases == TBarRule::brTwoPhase) AddTwoPhaseBars(mask, axis, rule, snap);
  if (rule.phases == TBarRule::brOnePhase) AddOnePhaseBars(mask, axis, rule, snap);
}

struct TBarStyle {
  int32_t style;
  TBarRule columns;
  TBarRule rows;
};

constexpr TSide N = TSide::sdNear;
constexpr TSide F = TSide::sdFar;
constexpr TBarRule kNone{TBarRule::brNone, N, N, false};
constexpr TBarRule Two(TSide a, TSide b) { return {TBarRule::brTwoPhase, a, b, true}; }
constexpr TBarRule One(TSide a, TSide b, bool snap) { return {TBarRule::brOnePhase, a, b, snap}; }

// Rows: near = left, far = right; columns: near = top, far = bottom. The criss-crosses 94 to 97
// pair bars from one side with alternating bars: the one-sided bars fill both band sets, and in
// these four styles every bar, one-sided or alternating, snaps to the whole row (or column) once
// the advance is within S of the width (or height); 64, 75 and 98 never snap.
constexpr std::array<TBarStyle, 23> kBarStyles = {{
    {60, kNone, Two(F, F)},
    {61, kNone, Two(N, N)},
    {62, kNone, Two(N, F)},
    {63, kNone, Two(F, N)},
    {64, kNone, One(F, N, false)},
    {71, Two(F, F), kNone},
    {72, Two(N, N), kNone},
    {73, Two(N, F), kNone},
    {74, Two(F, N), kNone},
    {75, One(F, N, false), kNone},
    {86, Two(F, F), Two(F, F)},
    {87, Two(N, N), Two(F, F)},
    {88, Two(F, F), Two(N, N)},
    {89, Two(N, N), Two(N, N)},
    {90, Two(N, F), Two(N, F)},
    {91, Two(F, N), Two(N, F)},
    {92, Two(N, F), Two(F, N)},
    {93, Two(F, N), Two(F, N)},
    {94, One(F, N, true), One(F, F, true)},
    {95, One(F, N, true), One(N, N, true)},
    {96, One(F, F, true), One(F, N, true)},
    {97, One(N, N, true), One(F, N, true)},
    {98, One(F, N, false), One(F, N, false)},
}};

void AddBarStyle(TFrameMask& mask, const TFrame& f, const TBarStyle& style) {
  AddRule(mask, TBandAxis::Columns(f), style.columns, f.S);
  AddRule(mask, TBandAxis::Rows(f), style.rows, f.S);
}

template <size_t Index>
void DrawBarStyle(const TFrame& f) {
  TFrameMask mask(f.W, f.H);
  AddBarStyle(mask, f, kBarStyles[Index]);
  f.DrawThrough(mask);
}

// 99: the pixels that both 86 and 89 show.
void DrawBottomLeftTopRight(const TFrame& f) {
  TFrameMask fromBottomRight(f.W, f.H);
  AddBarStyle(fromBottomRight, f, kBarStyles[10]);
  TFrameMask fromTopLeft(f.W, f.H);
  AddBarStyle(fromTopLeft, f, kBarStyles[13]);
  fromBottomRight.IntersectWith(fromTopLeft);
  f.DrawThrough(fromBottomRight);
}

template <size_t... Indices>
void AddAll(TStyleProcedures& t, std::index_sequence<Indices...>) {
  ((t[static_cast<size_t>(kBarStyles[Indices].style)] = DrawBarStyle<Indices>), ...);
}

}  // namespace

void AddBarStyles(TStyleProcedures& t) {
  static_assert(kBarStyles[10].style == 86 && kBarStyles[13].style == 89);
  AddAll(t, std::make_index_sequence<kBarStyles.size()>());
  t[99] = DrawBottomLeftTopRight;
}
