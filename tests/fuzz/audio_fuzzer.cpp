// Fuzz target of the sound decoders: the input is any sound file as a document could carry it.
// It goes through the music kind rules and content detection, then every decoder opens it and
// reads, seeks and reads again a bounded stretch. No sound is the expected outcome of bad input;
// a crash, a hang or a huge allocation is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "modules/audio/audio_format.h"
#include "audio/music_kind.h"

namespace {

void Exercise(std::unique_ptr<TSampleSource> source) {
  if (!source) return;
  std::vector<float> block(2 * 4096);
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 8; ++i)
      if (source->Read(block.data(), 4096) == 0) break;
    source->Seek(round == 0 ? 0 : 100);
  }
  (void)source->LengthFrames();
  (void)source->Tags();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> file(data, size);
  (void)RecogniseMusicKind(file);
  (void)DetectAudioFormat(file);
  auto bytes = std::make_shared<const std::vector<uint8_t>>(file.begin(), file.end());
  for (auto open : {OpenSndfileSource, OpenModuleSource, OpenSpeexSource}) Exercise(open(bytes));
  Exercise(OpenMidiSource(bytes));
  return 0;
}
