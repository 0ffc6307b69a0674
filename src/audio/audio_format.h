#pragma once
// Recognising a sound file by its content, and opening it as a sample source with the decoder
// that fits: libsndfile (WAVE, AIFF, FLAC, Ogg Vorbis, MPEG layers II and III), libopenmpt
// (tracker modules), FluidSynth (MIDI), libogg with libspeex (Ogg Speex).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "audio/sample_source.h"

enum class TAudioFormat : uint8_t { Unknown, Wave, Aiff, Flac, OggVorbis, OggSpeex, Mpeg, Module, Midi };

// The format the first bytes announce; Unknown when none is recognised.
TAudioFormat DetectAudioFormat(std::span<const uint8_t> bytes);

using TSharedBytes = std::shared_ptr<const std::vector<uint8_t>>;

// Opens bytes as a sample source: with the decoder of hint first (a caller's belief about the
// format, Unknown for none), then with the one the content announces; a decoder that refuses
// the bytes hands over to the next. Null when none can read them. The source shares the bytes.
std::unique_ptr<TSampleSource> OpenSampleSource(TSharedBytes bytes, TAudioFormat hint = TAudioFormat::Unknown);
// As above for a whole file; null also when it cannot be read.
std::unique_ptr<TSampleSource> OpenSampleSourceFile(const std::string& path);

// Each decoder on its own; null when it cannot read the bytes.
std::unique_ptr<TSampleSource> OpenSndfileSource(TSharedBytes bytes);
std::unique_ptr<TSampleSource> OpenModuleSource(TSharedBytes bytes);
std::unique_ptr<TSampleSource> OpenMidiSource(TSharedBytes bytes);
std::unique_ptr<TSampleSource> OpenSpeexSource(TSharedBytes bytes);
