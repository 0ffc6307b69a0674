#pragma once
// Recognising a sound file by its content, and opening it as a sample source with the decoder
// that fits: libsndfile (WAVE, AIFF, FLAC, Ogg Vorbis, MPEG layers II and III), libopenmpt
// (tracker modules), FluidSynth (MIDI), libogg with libspeex (Ogg Speex).

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "modules/audio/sample_source.h"

enum class TAudioFormat : uint8_t { Unknown, Wave, Aiff, Flac, OggVorbis, OggSpeex, Mpeg, Module, Midi };

// The format the first bytes announce; Unknown when none is recognised.
TAudioFormat DetectAudioFormat(std::span<const uint8_t> bytes);

using TSharedBytes = std::shared_ptr<const std::vector<uint8_t>>;

class TMidiSynths;

// Opens bytes as a sample source: with the decoder of hint first (a caller's belief about the
// format, Unknown for none), then with the one the content announces; a decoder that refuses
// the bytes hands over to the next. Null when none can read them. The source shares the bytes.
// MIDI borrows its synthesizer from synths when given (see OpenMidiSource).
std::unique_ptr<TSampleSource> OpenSampleSource(TSharedBytes bytes, TAudioFormat hint = TAudioFormat::Unknown,
                                                std::shared_ptr<TMidiSynths> synths = nullptr);

// Each decoder on its own; null when it cannot read the bytes.
std::unique_ptr<TSampleSource> OpenSndfileSource(TSharedBytes bytes);
std::unique_ptr<TSampleSource> OpenModuleSource(TSharedBytes bytes);
// Borrows a loaded synthesizer from synths (handed back when the source is gone); without them
// it loads its own.
std::unique_ptr<TSampleSource> OpenMidiSource(TSharedBytes bytes, std::shared_ptr<TMidiSynths> synths = nullptr);
std::unique_ptr<TSampleSource> OpenSpeexSource(TSharedBytes bytes);
