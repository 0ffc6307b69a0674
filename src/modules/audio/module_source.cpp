// Tracker modules (MOD, XM, S3M, IT and the rest libopenmpt knows) rendered by libopenmpt.

#include <libopenmpt/libopenmpt.h>

#include <cmath>

#include "modules/audio/audio_format.h"

namespace {

class TModuleSource final : public TSampleSource {
 public:
  TModuleSource(TSharedBytes bytes, openmpt_module* module) : m_bytes(std::move(bytes)), m_module(module) {
    m_tags = {Metadata("title"), Metadata("artist")};
    const double seconds = openmpt_module_get_duration_seconds(m_module);
    if (std::isfinite(seconds) && seconds > 0) m_length = std::llround(seconds * kSynthesisRate);
  }
  ~TModuleSource() override { openmpt_module_destroy(m_module); }

  int SampleRate() const override { return kSynthesisRate; }
  int Channels() const override { return 2; }
  size_t Read(float* out, size_t frames) override {
    return openmpt_module_read_interleaved_float_stereo(m_module, kSynthesisRate, frames, out);
  }
  bool Seek(int64_t frame) override {
    openmpt_module_set_position_seconds(m_module, static_cast<double>(frame < 0 ? 0 : frame) / kSynthesisRate);
    return true;
  }
  std::optional<int64_t> LengthFrames() const override { return m_length; }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  std::string Metadata(const char* key) {
    const char* text = openmpt_module_get_metadata(m_module, key);
    std::string value = text ? text : "";
    openmpt_free_string(text);
    return value;
  }

  TSharedBytes m_bytes;
  openmpt_module* m_module;
  TAudioTags m_tags;
  std::optional<int64_t> m_length;
};

}  // namespace

std::unique_ptr<TSampleSource> OpenModuleSource(TSharedBytes bytes) {
  if (!bytes || bytes->empty()) return nullptr;
  if (openmpt_probe_file_header(OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, bytes->data(), bytes->size(), bytes->size(),
                                openmpt_log_func_silent, nullptr, openmpt_error_func_ignore, nullptr, nullptr,
                                nullptr) != OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS)
    return nullptr;
  openmpt_module* module = openmpt_module_create_from_memory2(bytes->data(), bytes->size(), openmpt_log_func_silent,
                                                              nullptr, openmpt_error_func_ignore, nullptr, nullptr,
                                                              nullptr, nullptr);
  if (!module) return nullptr;
  return std::make_unique<TModuleSource>(std::move(bytes), module);
}
