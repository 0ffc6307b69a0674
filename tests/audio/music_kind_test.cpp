#include "audio/music_kind.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "audio_test_support.h"

namespace {

// size bytes of zeros with text written at offset.
std::vector<uint8_t> Crafted(size_t size, std::initializer_list<std::pair<size_t, std::string>> texts = {}) {
  std::vector<uint8_t> bytes(size, 0);
  for (const auto& [offset, text] : texts) std::memcpy(bytes.data() + offset, text.data(), text.size());
  return bytes;
}

}  // namespace

TEST(MusicKind, RealFilesByContentNotByName) {
  const std::pair<const char*, TMusicKind> cases[] = {
      {"audio/wav/raspire-8bit-mono.wav", TMusicKind::Wave},
      {"audio/wav/tinkalink2-16bit-stereo.wav", TMusicKind::Wave},
      {"audio/mp3/unlocked-is-really-wav.mp3", TMusicKind::Wave},
      {"audio/midi/coconut_run2.mid", TMusicKind::Midi},
      {"audio/mod/high-score.mod", TMusicKind::Module},  // "M.K." at 1080
      {"audio/mod/SCANNER.MOD", TMusicKind::Module},     // "6CHN"
      {"audio/mod/CREWCOMM.MOD", TMusicKind::Module},    // "8CHN"
      {"audio/mod/area1-game2.mod", TMusicKind::Module}, // an XM
      {"audio/xm/intro.xm", TMusicKind::Module},
      {"audio/s3m/loser.s3m", TMusicKind::Module},
      {"audio/it/gd-matth.it", TMusicKind::Module},
      {"audio/ogg/title.ogg", TMusicKind::OggVorbis},
      {"audio/mp3/beep-id3v1.mp3", TMusicKind::Mpeg},      // frame sync FF FB
      {"audio/mp3/debian-id3v24.mp3", TMusicKind::Mpeg},   // ID3 header: only the fall-back takes it
      {"audio/mp3/pwd-mpeg2.mp3", TMusicKind::Mpeg},       // FF F3: fall-back
      {"audio/mp3/empty-mpeg25.mp3", TMusicKind::None},    // 360 bytes, no signature
      {"audio/flac/track.flac", TMusicKind::Mpeg},         // unrecognised and large: fall-back
  };
  for (const auto& [file, kind] : cases) {
    SCOPED_TRACE(file);
    std::vector<uint8_t> bytes = ReadTestFile(file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(RecogniseMusicKind(bytes), kind);
  }
}

TEST(MusicKind, CraftedBytesFollowTheRulesInOrder) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    TMusicKind kind;
  };
  const Case cases[] = {
      {"empty", {}, TMusicKind::None},
      {"48-byte WAVE", Crafted(48, {{0, "RIFF"}, {8, "WAVE"}}), TMusicKind::None},
      {"49-byte WAVE", Crafted(49, {{0, "RIFF"}, {8, "WAVE"}}), TMusicKind::Wave},
      {"RIFF RMID", Crafted(49, {{0, "RIFF"}, {8, "RMID"}}), TMusicKind::Midi},
      {"MThd", Crafted(49, {{0, "MThd"}}), TMusicKind::Midi},
      {"RIFF of another kind", Crafted(49, {{0, "RIFF"}, {8, "AVI "}}), TMusicKind::None},
      {"OggS", Crafted(49, {{0, "OggS"}}), TMusicKind::OggVorbis},
      {"OggS before SCRM", Crafted(49, {{0, "OggS"}, {44, "SCRM"}}), TMusicKind::OggVorbis},
      {"FF FB", Crafted(49, {{0, "\xFF\xFB"}}), TMusicKind::Mpeg},
      {"FF FD", Crafted(49, {{0, "\xFF\xFD"}}), TMusicKind::Mpeg},
      {"FF FF", Crafted(49, {{0, "\xFF\xFF"}}), TMusicKind::Mpeg},
      {"FF FA is no sync here", Crafted(49, {{0, "\xFF\xFA"}}), TMusicKind::None},
      {"Extended Module:", Crafted(49, {{0, "Extended Module:"}}), TMusicKind::Module},
      {"Extended Module cut short", Crafted(49, {{0, "Extended Module"}}), TMusicKind::None},
      {"SCRM at 44", Crafted(49, {{44, "SCRM"}}), TMusicKind::Module},
      {"IMPM", Crafted(49, {{0, "IMPM"}}), TMusicKind::Module},
      {"1083 bytes, nothing", Crafted(1083), TMusicKind::None},
      {"1084 bytes, nothing", Crafted(1084), TMusicKind::Mpeg},
      {"M.K. in a file one byte short of it", Crafted(1083, {{1079, "M.K"}}), TMusicKind::None},
      {"M.K. one byte early", Crafted(2000, {{1079, "M.K."}}), TMusicKind::Mpeg},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RecogniseMusicKind(c.bytes), c.kind);
  }
}

TEST(MusicKind, EachModuleTagAt1080) {
  for (const char* tag : {"M.K.", "M!K!", "FLT4", "4CHN", "6CHN", "8CHN", "CD81", "OKTA", "16CN", "32CN", "    "}) {
    SCOPED_TRACE(tag);
    EXPECT_EQ(RecogniseMusicKind(Crafted(1084, {{1080, tag}})), TMusicKind::Module);
  }
  EXPECT_EQ(RecogniseMusicKind(Crafted(1084, {{1080, "FLT8"}})), TMusicKind::Mpeg);
}

TEST(MusicKind, FormatCodes) {
  EXPECT_EQ(LibraryFormatCode(TMusicKind::Wave), 1);
  EXPECT_EQ(LibraryFormatCode(TMusicKind::OggVorbis), 2);
  EXPECT_EQ(LibraryFormatCode(TMusicKind::Mpeg), 4);
  EXPECT_EQ(LibraryFormatCode(TMusicKind::Module), 5);
  EXPECT_EQ(LibraryFormatCode(TMusicKind::Midi), 0);
  EXPECT_EQ(LibraryFormatCode(TMusicKind::None), 0);
}
