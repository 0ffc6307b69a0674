// Styles 136 to 141 and 145 to 148: slats that open across the picture, at the pitch of the
// size unit (blinds) or of the advance (uneven blinds), and the rectangles made of centred bars
// and uneven slats. All quotients truncate. A pitch of 0 (an advance of 0 in an early frame of a
// small picture, or a side shorter than S) gives no slats in that frame, so every frame ends.

#include "transitions/band_axis.h"
#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

// Slats every `pitch` from the near side, each progress * pitch / 100 long.
void AddSlatsFromNear(TFrameMask& mask, const TBandAxis& axis, int32_t pitch, int32_t progress) {
  if (pitch <= 0) return;
  const int32_t open = progress * pitch / 100;
  for (int32_t start = 0; start < axis.length; start += pitch) mask.AddRect(axis.Band(start, start + open, 0, axis.breadth));
}

// Slats whose far ends lie at the full length and every `pitch` before it, while that end is at
// least 0.
void AddSlatsFromFar(TFrameMask& mask, const TBandAxis& axis, int32_t pitch, int32_t progress) {
  if (pitch <= 0) return;
  const int32_t open = progress * pitch / 100;
  for (int32_t end = axis.length; end >= 0; end -= pitch) mask.AddRect(axis.Band(end - open, end, 0, axis.breadth));
}

// Bars across the whole length, centred every `pitch` (from pitch / 2 on), each
// progress * pitch / 100 thick (twice the half-thickness progress * pitch / 200), while the
// bar's start is below the breadth.
void AddCentredBars(TFrameMask& mask, const TBandAxis& axis, int32_t pitch, int32_t progress) {
  if (pitch <= 0) return;
  const int32_t half = progress * pitch / 200;
  for (int32_t centre = pitch / 2; centre - half < axis.breadth; centre += pitch)
    mask.AddRect(axis.Band(0, axis.length, centre - half, 2 * half));
}

// The rectangles: bars across one axis at the pitch of the size unit, slats along the other at
// the pitch of the advance.
void Rectangles(const TFrame& f, const TBandAxis& bars, const TBandAxis& slats, bool slatsFromFar) {
  TFrameMask mask(f.W, f.H);
  AddCentredBars(mask, bars, bars.breadth / f.S, f.progress);
  if (slatsFromFar)
    AddSlatsFromFar(mask, slats, slats.advance, f.progress);
  else
    AddSlatsFromNear(mask, slats, slats.advance, f.progress);
  f.DrawThrough(mask);
}

template <bool Columns, bool FromFar, bool UnevenPitch>
void Blind(const TFrame& f) {
  const TBandAxis axis = Columns ? TBandAxis::Columns(f) : TBandAxis::Rows(f);
  const int32_t pitch = UnevenPitch ? axis.advance : axis.length / f.S;
  TFrameMask mask(f.W, f.H);
  if (FromFar)
    AddSlatsFromFar(mask, axis, pitch, f.progress);
  else
    AddSlatsFromNear(mask, axis, pitch, f.progress);
  f.DrawThrough(mask);
}

}  // namespace

void AddBlindStyles(TStyleProcedures& t) {
  t[136] = Blind<false, false, false>;
  t[137] = Blind<true, false, false>;
  t[138] = Blind<false, false, true>;
  t[139] = Blind<false, true, true>;
  t[140] = Blind<true, false, true>;
  t[141] = Blind<true, true, true>;
  t[145] = [](const TFrame& f) { Rectangles(f, TBandAxis::Rows(f), TBandAxis::Rows(f), false); };
  t[146] = [](const TFrame& f) { Rectangles(f, TBandAxis::Rows(f), TBandAxis::Rows(f), true); };
  t[147] = [](const TFrame& f) { Rectangles(f, TBandAxis::Columns(f), TBandAxis::Columns(f), false); };
  t[148] = [](const TFrame& f) { Rectangles(f, TBandAxis::Columns(f), TBandAxis::Columns(f), true); };
}
