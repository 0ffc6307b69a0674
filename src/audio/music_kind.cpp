#include "audio/music_kind.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

bool At(std::span<const uint8_t> bytes, size_t offset, std::string_view text) {
  return bytes.size() >= offset + text.size() && std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
}

constexpr size_t kShortest = 49;
constexpr size_t kModuleTagOffset = 1080;
constexpr std::string_view kModuleTags[] = {"M.K.", "M!K!", "FLT4", "4CHN", "6CHN", "8CHN",
                                            "CD81", "OKTA", "16CN", "32CN", "    "};

}  // namespace

TMusicKind RecogniseMusicKind(std::span<const uint8_t> bytes) {
  if (bytes.size() < kShortest) return TMusicKind::None;
  if (At(bytes, 0, "RIFF") && At(bytes, 8, "WAVE")) return TMusicKind::Wave;
  if ((At(bytes, 0, "RIFF") && At(bytes, 8, "RMID")) || At(bytes, 0, "MThd")) return TMusicKind::Midi;
  if (At(bytes, 0, "OggS")) return TMusicKind::OggVorbis;
  if (bytes[0] == 0xFF && (bytes[1] == 0xFF || bytes[1] == 0xFD || bytes[1] == 0xFB)) return TMusicKind::Mpeg;
  if (At(bytes, 0, "Extended Module:")) return TMusicKind::Module;
  if (At(bytes, 44, "SCRM") || At(bytes, 0, "IMPM")) return TMusicKind::Module;
  if (bytes.size() <= kModuleTagOffset + 3) return TMusicKind::None;
  if (std::any_of(std::begin(kModuleTags), std::end(kModuleTags),
                  [&](std::string_view tag) { return At(bytes, kModuleTagOffset, tag); }))
    return TMusicKind::Module;
  return TMusicKind::Mpeg;
}

uint8_t LibraryFormatCode(TMusicKind kind) {
  switch (kind) {
    case TMusicKind::Wave: return 1;
    case TMusicKind::OggVorbis: return 2;
    case TMusicKind::Mpeg: return 4;
    case TMusicKind::Module: return 5;
    case TMusicKind::None:
    case TMusicKind::Midi: break;
  }
  return 0;
}
