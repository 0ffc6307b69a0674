// Ogg Speex: the Ogg pages split by libogg, the packets decoded by libspeex. The first packet is
// the Speex header, the second the comments (TITLE= and ARTIST= give the tags), then any extra
// headers the first one announces, then audio packets of one or more frames each.

#include <ogg/ogg.h>
#include <speex/speex.h>
#include <speex/speex_callbacks.h>
#include <speex/speex_header.h>
#include <speex/speex_stereo.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "modules/audio/audio_format.h"

namespace {

constexpr size_t kFeedBytes = 4096;
constexpr int kMaxFramesPerPacket = 64;
constexpr int kMaxExtraHeaders = 16;
constexpr int kMaxFrameSize = 640;  // samples of one ultra-wideband frame is 640 at most

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// Packets of the first logical stream in bytes, in order.
class TOggPackets {
 public:
  explicit TOggPackets(std::span<const uint8_t> bytes) : m_bytes(bytes) { ogg_sync_init(&m_sync); }
  ~TOggPackets() {
    ogg_sync_clear(&m_sync);
    if (m_streamOpen) ogg_stream_clear(&m_stream);
  }
  TOggPackets(const TOggPackets&) = delete;
  TOggPackets& operator=(const TOggPackets&) = delete;

  // The next packet; its data stays valid until the next call.
  bool Next(ogg_packet& packet) {
    while (!m_streamOpen || ogg_stream_packetout(&m_stream, &packet) != 1) {
      ogg_page page;
      while (ogg_sync_pageout(&m_sync, &page) != 1) {
        if (m_fed == m_bytes.size()) return false;
        const size_t n = std::min(kFeedBytes, m_bytes.size() - m_fed);
        char* buffer = ogg_sync_buffer(&m_sync, static_cast<long>(n));
        if (!buffer) return false;
        std::memcpy(buffer, m_bytes.data() + m_fed, n);
        ogg_sync_wrote(&m_sync, static_cast<long>(n));
        m_fed += n;
      }
      if (!m_streamOpen) {
        ogg_stream_init(&m_stream, ogg_page_serialno(&page));
        m_streamOpen = true;
      }
      ogg_stream_pagein(&m_stream, &page);  // pages of other streams are refused here
    }
    return true;
  }

 private:
  std::span<const uint8_t> m_bytes;
  size_t m_fed = 0;
  ogg_sync_state m_sync;
  ogg_stream_state m_stream;
  bool m_streamOpen = false;
};

// The largest granule position of the first stream's pages: its length in samples.
int64_t LastGranule(std::span<const uint8_t> bytes) {
  ogg_sync_state sync;
  ogg_sync_init(&sync);
  char* buffer = ogg_sync_buffer(&sync, static_cast<long>(bytes.size()));
  int64_t last = 0;
  if (buffer) {
    std::memcpy(buffer, bytes.data(), bytes.size());
    ogg_sync_wrote(&sync, static_cast<long>(bytes.size()));
    ogg_page page;
    bool first = true;
    int serial = 0;
    while (ogg_sync_pageout(&sync, &page) == 1) {
      if (first) serial = ogg_page_serialno(&page), first = false;
      if (ogg_page_serialno(&page) == serial) last = std::max<int64_t>(last, ogg_page_granulepos(&page));
    }
  }
  ogg_sync_clear(&sync);
  return last;
}

// TITLE= and ARTIST= of a Vorbis-style comment packet; a damaged packet gives what was read.
TAudioTags ReadComments(const ogg_packet& packet) {
  TAudioTags tags;
  std::span<const uint8_t> data(packet.packet, static_cast<size_t>(packet.bytes));
  auto take = [&data](size_t n) -> std::span<const uint8_t> {
    if (n > data.size()) return {};
    std::span<const uint8_t> part = data.first(n);
    data = data.subspan(n);
    return part;
  };
  auto length = [&]() -> std::optional<uint32_t> {
    std::span<const uint8_t> p = take(4);
    if (p.empty()) return std::nullopt;
    return Le32(p.data());
  };
  std::optional<uint32_t> vendor = length();
  if (!vendor || *vendor > data.size()) return tags;
  take(*vendor);
  std::optional<uint32_t> count = length();
  for (uint32_t i = 0; count && i < *count; ++i) {
    std::optional<uint32_t> size = length();
    if (!size || *size > data.size()) break;
    std::span<const uint8_t> entry = take(*size);
    std::string_view text(reinterpret_cast<const char*>(entry.data()), entry.size());
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) continue;
    std::string key(text.substr(0, equals));
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (key == "TITLE" && tags.title.empty()) tags.title = text.substr(equals + 1);
    if (key == "ARTIST" && tags.artist.empty()) tags.artist = text.substr(equals + 1);
  }
  return tags;
}

class TSpeexSource final : public TSampleSource {
 public:
  explicit TSpeexSource(TSharedBytes bytes) : m_bytes(std::move(bytes)) { speex_bits_init(&m_bits); }
  ~TSpeexSource() override {
    CloseDecoder();
    speex_bits_destroy(&m_bits);
  }

  // Reads the headers from the start; false when they are not a usable Speex stream.
  bool Start() {
    CloseDecoder();
    m_packets = std::make_unique<TOggPackets>(*m_bytes);
    m_pending.clear();
    m_pendingAt = 0;
    m_ended = false;
    ogg_packet packet;
    if (!m_packets->Next(packet) || packet.bytes < 80) return false;
    SpeexHeader* header = speex_packet_to_header(reinterpret_cast<char*>(packet.packet), static_cast<int>(packet.bytes));
    if (!header) return false;
    const SpeexHeader h = *header;
    speex_header_free(header);
    if (h.mode < 0 || h.mode >= SPEEX_NB_MODES || h.rate < 1000 || h.rate > 48000 || h.nb_channels < 1 ||
        h.nb_channels > 2 || h.frames_per_packet > kMaxFramesPerPacket || h.extra_headers < 0 ||
        h.extra_headers > kMaxExtraHeaders)
      return false;
    m_rate = h.rate;
    m_channels = h.nb_channels;
    m_framesPerPacket = std::max(1, h.frames_per_packet);
    m_decoder = speex_decoder_init(speex_lib_get_mode(h.mode));
    if (!m_decoder) return false;
    speex_decoder_ctl(m_decoder, SPEEX_GET_FRAME_SIZE, &m_frameSize);
    if (m_frameSize <= 0 || m_frameSize > kMaxFrameSize) return false;
    speex_decoder_ctl(m_decoder, SPEEX_SET_SAMPLING_RATE, &m_rate);
    if (m_channels == 2) {
      m_stereo = speex_stereo_state_init();
      SpeexCallback callback{};
      callback.callback_id = SPEEX_INBAND_STEREO;
      callback.func = speex_std_stereo_request_handler;
      callback.data = m_stereo;
      speex_decoder_ctl(m_decoder, SPEEX_SET_HANDLER, &callback);
    }
    if (!m_packets->Next(packet)) return false;
    m_tags = ReadComments(packet);
    if (const int64_t samples = LastGranule(*m_bytes); samples > 0) m_length = samples;
    for (int i = 0; i < h.extra_headers; ++i)
      if (!m_packets->Next(packet)) return false;
    return true;
  }

  int SampleRate() const override { return m_rate; }
  int Channels() const override { return m_channels; }

  size_t Read(float* out, size_t frames) override {
    size_t done = 0;
    const size_t channels = static_cast<size_t>(m_channels);
    while (done < frames) {
      if (m_pendingAt == m_pending.size() && !DecodePacket()) break;
      const size_t n = std::min(frames - done, (m_pending.size() - m_pendingAt) / channels);
      std::copy_n(m_pending.begin() + static_cast<ptrdiff_t>(m_pendingAt), n * channels, out + done * channels);
      m_pendingAt += n * channels;
      done += n;
    }
    return done;
  }

  // Decodes again from the beginning up to frame.
  bool Seek(int64_t frame) override {
    if (!Start()) return false;
    std::vector<float> discard(1024 * static_cast<size_t>(m_channels));
    for (int64_t left = std::max<int64_t>(frame, 0); left > 0;) {
      const size_t got = Read(discard.data(), static_cast<size_t>(std::min<int64_t>(left, 1024)));
      if (got == 0) break;
      left -= static_cast<int64_t>(got);
    }
    return true;
  }

  std::optional<int64_t> LengthFrames() const override { return m_length; }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  bool DecodePacket() {
    ogg_packet packet;
    m_pending.clear();
    m_pendingAt = 0;
    while (!m_ended && m_pending.empty()) {
      if (!m_packets->Next(packet)) {
        m_ended = true;
        break;
      }
      speex_bits_read_from(&m_bits, reinterpret_cast<char*>(packet.packet), static_cast<int>(packet.bytes));
      spx_int16_t frame[2 * kMaxFrameSize];
      for (int i = 0; i < m_framesPerPacket; ++i) {
        if (speex_decode_int(m_decoder, &m_bits, frame) != 0) break;  // end of stream or damaged
        if (m_channels == 2) speex_decode_stereo_int(frame, m_frameSize, m_stereo);
        for (int s = 0; s < m_frameSize * m_channels; ++s) m_pending.push_back(frame[s] / 32768.0f);
      }
    }
    return !m_pending.empty();
  }

  void CloseDecoder() {
    if (m_decoder) speex_decoder_destroy(m_decoder);
    if (m_stereo) speex_stereo_state_destroy(m_stereo);
    m_decoder = nullptr;
    m_stereo = nullptr;
  }

  TSharedBytes m_bytes;
  std::unique_ptr<TOggPackets> m_packets;
  SpeexBits m_bits;
  void* m_decoder = nullptr;
  SpeexStereoState* m_stereo = nullptr;
  int m_rate = 8000;
  int m_channels = 1;
  int m_framesPerPacket = 1;
  int m_frameSize = 160;
  bool m_ended = false;
  std::vector<float> m_pending;
  size_t m_pendingAt = 0;
  TAudioTags m_tags;
  std::optional<int64_t> m_length;
};

}  // namespace

std::unique_ptr<TSampleSource> OpenSpeexSource(TSharedBytes bytes) {
  if (!bytes || bytes->size() < 28 || std::memcmp(bytes->data(), "OggS", 4) != 0) return nullptr;
  auto source = std::make_unique<TSpeexSource>(std::move(bytes));
  if (!source->Start()) return nullptr;
  return source;
}
