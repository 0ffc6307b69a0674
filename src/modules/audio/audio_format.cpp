#include "modules/audio/audio_format.h"

#include <cstring>
#include <string_view>

#include <libopenmpt/libopenmpt.h>

namespace {

bool At(std::span<const uint8_t> bytes, size_t offset, std::string_view text) {
  return bytes.size() >= offset + text.size() && std::memcmp(bytes.data() + offset, text.data(), text.size()) == 0;
}

bool IsModule(std::span<const uint8_t> bytes) {
  if (At(bytes, 0, "Extended Module:") || At(bytes, 44, "SCRM") || At(bytes, 0, "IMPM")) return true;
  return openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_MODULES, bytes.data(), bytes.size(), bytes.size(),
                                   openmpt_log_func_silent, nullptr, openmpt_error_func_ignore, nullptr, nullptr,
                                   nullptr) == OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS;
}

// An MPEG audio frame header: sync, a valid version, layer, bit rate and sample rate.
bool IsMpegFrame(std::span<const uint8_t> bytes) {
  if (bytes.size() < 4 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return false;
  const int version = (bytes[1] >> 3) & 3, layer = (bytes[1] >> 1) & 3;
  const int bitrate = bytes[2] >> 4, rate = (bytes[2] >> 2) & 3;
  return version != 1 && layer != 0 && bitrate != 15 && rate != 3;
}

using TOpener = std::unique_ptr<TSampleSource> (*)(TSharedBytes, const std::shared_ptr<TMidiSynths>&);

template <std::unique_ptr<TSampleSource> (*Open)(TSharedBytes)>
std::unique_ptr<TSampleSource> WithoutSynths(TSharedBytes bytes, const std::shared_ptr<TMidiSynths>&) {
  return Open(std::move(bytes));
}

std::unique_ptr<TSampleSource> MidiWithSynths(TSharedBytes bytes, const std::shared_ptr<TMidiSynths>& synths) {
  return OpenMidiSource(std::move(bytes), synths);
}

constexpr TOpener kSndfile = WithoutSynths<OpenSndfileSource>;

TOpener DecoderOf(TAudioFormat format) {
  switch (format) {
    case TAudioFormat::Wave:
    case TAudioFormat::Aiff:
    case TAudioFormat::Flac:
    case TAudioFormat::OggVorbis:
    case TAudioFormat::Mpeg:
      return kSndfile;
    case TAudioFormat::OggSpeex:
      return WithoutSynths<OpenSpeexSource>;
    case TAudioFormat::Module:
      return WithoutSynths<OpenModuleSource>;
    case TAudioFormat::Midi:
      return MidiWithSynths;
    case TAudioFormat::Unknown:
      break;
  }
  return nullptr;
}

}  // namespace

TAudioFormat DetectAudioFormat(std::span<const uint8_t> bytes) {
  if (At(bytes, 0, "RIFF") && At(bytes, 8, "WAVE")) return TAudioFormat::Wave;
  if ((At(bytes, 0, "RIFF") && At(bytes, 8, "RMID")) || At(bytes, 0, "MThd")) return TAudioFormat::Midi;
  if (At(bytes, 0, "FORM") && (At(bytes, 8, "AIFF") || At(bytes, 8, "AIFC"))) return TAudioFormat::Aiff;
  if (At(bytes, 0, "fLaC")) return TAudioFormat::Flac;
  if (At(bytes, 0, "OggS")) {
    // The first packet of the first page starts after the segment table.
    if (bytes.size() > 27) {
      const size_t packet = 27 + size_t{bytes[26]};
      if (At(bytes, packet, "\x01vorbis")) return TAudioFormat::OggVorbis;
      if (At(bytes, packet, "Speex   ")) return TAudioFormat::OggSpeex;
    }
    return TAudioFormat::Unknown;
  }
  if (At(bytes, 0, "ID3") || IsMpegFrame(bytes)) return TAudioFormat::Mpeg;
  if (IsModule(bytes)) return TAudioFormat::Module;
  return TAudioFormat::Unknown;
}

std::unique_ptr<TSampleSource> OpenSampleSource(TSharedBytes bytes, TAudioFormat hint,
                                                std::shared_ptr<TMidiSynths> synths) {
  if (!bytes || bytes->empty()) return nullptr;
  const TAudioFormat detected = DetectAudioFormat(*bytes);
  TOpener tried = nullptr;
  for (TAudioFormat format : {hint, detected}) {
    TOpener open = DecoderOf(format);
    if (!open || open == tried) continue;
    if (std::unique_ptr<TSampleSource> source = open(bytes, synths)) return source;
    tried = open;
  }
  // Content nobody claims may still be something libsndfile recognises on its own.
  if (detected == TAudioFormat::Unknown && tried != kSndfile) return OpenSndfileSource(bytes);
  return nullptr;
}
