#pragma once
// The text animator's moving state, apart from its drawing: the letters' starting size offsets
// by style, one pulse step of a letter, and the colour walk from the begin colour to the end
// colour and back.

#include <cstdint>
#include <vector>

#include "model/ident_tables.h"
#include "model/menu_enums.h"
#include "model/seeded_random.h"

// A letter's extra font size in points and the way it moves.
struct TLetterPulse {
  int32_t offset = 0;
  int32_t direction = 1;  // +1 growing, -1 shrinking
  friend bool operator==(const TLetterPulse&, const TLetterPulse&) = default;
};

// The starting pulses of count letters, all growing: ataAll 0 for every letter, ataRandom a
// random offset from 0 to swing, ataWave trunc(sin(i / count * pi) * swing), ataWind
// i * swing div count. random is drawn from only for ataRandom.
std::vector<TLetterPulse> StartingPulses(TKIVTextAnimatorStyle style, int32_t swing, size_t count,
                                         TSeededRandom& random);

// One timer step: the offset moves by 2 in its direction and bounces back from swing (the part
// beyond swing is taken off again, and the letter shrinks) and from below 1 (it becomes its
// negative, and the letter grows).
void StepPulse(TLetterPulse& letter, int32_t swing);

// The colours the letters are drawn in, one after another: a step counter walks 0, 1, ..., m,
// m - 1, ..., 0, 1, ... where m is the largest channel difference between the begin and end
// colours, and each channel is the begin channel moved towards the end channel by the step,
// stopping at the end channel. System colours are resolved when the walk is made.
class TColourWalk {
 public:
  TColourWalk(TColor begin, TColor end);

  // The colour at the current step; the step then moves on.
  TColor Next();
  // Moves on by count colours, as if they were taken.
  void Skip(size_t count);

 private:
  int32_t m_begin[3] = {};  // red, green, blue
  int32_t m_difference[3] = {};
  uint8_t m_steps = 0;  // m
  uint8_t m_step = 0;
  int8_t m_direction = 1;
};
