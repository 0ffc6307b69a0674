#pragma once
// The kind of a piece of background music, recognised from its first bytes in a fixed order,
// and the format number the music module is handed for it.

#include <cstdint>
#include <span>

enum class TMusicKind : uint8_t { None = 0, Wave = 1, Midi = 2, Module = 3, Mpeg = 4, OggVorbis = 5 };

// None for fewer than 49 bytes; WAVE, MIDI, Ogg, MPEG frame sync and the module signatures at
// their places; None again up to 1083 bytes; a module by one of the eleven tags at byte 1080;
// anything larger that is not recognised counts as MPEG.
TMusicKind RecogniseMusicKind(std::span<const uint8_t> bytes);

// The music module's format numbers: 1 WAV, 2 Ogg Vorbis, 4 MP3, 5 module; 0 for the kinds the
// module does not play (none, MIDI).
uint8_t LibraryFormatCode(TMusicKind kind);
