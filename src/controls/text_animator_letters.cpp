#include "controls/text_animator_letters.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "graphics/colors.h"

std::vector<TLetterPulse> StartingPulses(TKIVTextAnimatorStyle style, int32_t swing, size_t count,
                                         TSeededRandom& random) {
  std::vector<TLetterPulse> pulses(count);
  const auto n = static_cast<int64_t>(count);
  for (int64_t i = 0; i < n; ++i) {
    int32_t& offset = pulses[static_cast<size_t>(i)].offset;
    switch (style) {
      case TKIVTextAnimatorStyle::ataAll: offset = 0; break;
      case TKIVTextAnimatorStyle::ataRandom: offset = random.Below(swing + 1); break;
      case TKIVTextAnimatorStyle::ataWave:
        offset = static_cast<int32_t>(std::sin(static_cast<double>(i) / static_cast<double>(n) * std::numbers::pi) * swing);
        break;
      case TKIVTextAnimatorStyle::ataWind: offset = static_cast<int32_t>(i * swing / n); break;
    }
  }
  return pulses;
}

void StepPulse(TLetterPulse& letter, int32_t swing) {
  letter.offset += 2 * letter.direction;
  if (letter.offset > swing) {
    letter.offset = 2 * swing - letter.offset;
    letter.direction = -1;
  } else if (letter.offset < 1) {
    letter.offset = -letter.offset;
    letter.direction = 1;
  }
}

TColourWalk::TColourWalk(TColor begin, TColor end) {
  const TColor from = ResolveColor(begin), to = ResolveColor(end);
  int32_t largest = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const int shift = 8 * channel;
    m_begin[channel] = static_cast<int32_t>((from >> shift) & 0xFF);
    m_difference[channel] = static_cast<int32_t>((to >> shift) & 0xFF) - m_begin[channel];
    largest = std::max(largest, std::abs(m_difference[channel]));
  }
  m_steps = static_cast<uint8_t>(largest);
}

TColor TColourWalk::Next() {
  TColor colour = 0;
  for (int channel = 0; channel < 3; ++channel) {
    const int32_t d = m_difference[channel];
    const int32_t moved = std::min<int32_t>(m_step, std::abs(d));
    const int32_t value = m_begin[channel] + (d < 0 ? -moved : d > 0 ? moved : 0);
    colour |= static_cast<TColor>(value) << (8 * channel);
  }
  // The step is one byte: with begin and end equal (m = 0) it runs round 0..255, which changes
  // no channel.
  m_step = static_cast<uint8_t>(m_step + m_direction);
  if (m_step == m_steps || m_step == 0) m_direction = static_cast<int8_t>(-m_direction);
  return colour;
}

void TColourWalk::Skip(size_t count) {
  for (size_t i = 0; i < count; ++i) Next();
}
