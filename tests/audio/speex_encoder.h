#pragma once
// Builds an Ogg Speex file in memory with libspeex's encoder: a header packet, a comment packet
// with the given tags, and one packet per 20 ms frame of a sine tone.

#include <ogg/ogg.h>
#include <speex/speex.h>
#include <speex/speex_header.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<uint8_t> EncodeSpeexTone(int frames, const std::string& title, const std::string& artist) {
  const SpeexMode* mode = speex_lib_get_mode(SPEEX_MODEID_WB);
  void* encoder = speex_encoder_init(mode);
  int rate = 16000, frameSize = 0;
  speex_encoder_ctl(encoder, SPEEX_SET_SAMPLING_RATE, &rate);
  speex_encoder_ctl(encoder, SPEEX_GET_FRAME_SIZE, &frameSize);
  std::vector<uint8_t> file;
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1234);
  auto flush = [&](bool force) {
    ogg_page page;
    while (force ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
      file.insert(file.end(), page.header, page.header + page.header_len);
      file.insert(file.end(), page.body, page.body + page.body_len);
    }
  };
  auto put = [&](unsigned char* data, long bytes, int64_t granule, bool first, bool last) {
    ogg_packet packet{};
    packet.packet = data;
    packet.bytes = bytes;
    packet.b_o_s = first;
    packet.e_o_s = last;
    packet.granulepos = granule;
    packet.packetno = 0;
    ogg_stream_packetin(&stream, &packet);
  };
  SpeexHeader header;
  speex_init_header(&header, rate, 1, mode);
  header.frames_per_packet = 1;
  int headerBytes = 0;
  char* headerPacket = speex_header_to_packet(&header, &headerBytes);
  put(reinterpret_cast<unsigned char*>(headerPacket), headerBytes, 0, true, false);
  speex_header_free(headerPacket);
  flush(true);
  std::vector<uint8_t> comments;
  auto le32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i) comments.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  auto text = [&](const std::string& s) {
    le32(static_cast<uint32_t>(s.size()));
    comments.insert(comments.end(), s.begin(), s.end());
  };
  text("test encoder");
  le32(2);
  text("title=" + title);
  text("ARTIST=" + artist);
  put(comments.data(), static_cast<long>(comments.size()), 0, false, false);
  flush(true);

  SpeexBits bits;
  speex_bits_init(&bits);
  std::vector<spx_int16_t> pcm(static_cast<size_t>(frameSize));
  std::vector<char> packet(2000);
  for (int f = 0; f < frames; ++f) {
    for (int i = 0; i < frameSize; ++i)
      pcm[static_cast<size_t>(i)] =
          static_cast<spx_int16_t>(12000 * std::sin(2 * M_PI * 440 * (f * frameSize + i) / rate));
    speex_bits_reset(&bits);
    speex_encode_int(encoder, pcm.data(), &bits);
    const int bytes = speex_bits_write(&bits, packet.data(), static_cast<int>(packet.size()));
    put(reinterpret_cast<unsigned char*>(packet.data()), bytes, int64_t{f + 1} * frameSize, false, f == frames - 1);
    flush(false);
  }
  flush(true);
  speex_bits_destroy(&bits);
  speex_encoder_destroy(encoder);
  ogg_stream_clear(&stream);
  return file;
}
