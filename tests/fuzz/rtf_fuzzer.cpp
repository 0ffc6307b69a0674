// Fuzz target of the RTF reader and the text-file decoding: any bytes are read as RTF, and as a
// text file in an ANSI and a Shift-JIS charset. What the reader makes must hold its promises: UTF-8
// text only, no empty run, neighbouring runs in different formats.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "model/text_encoding.h"
#include "text/code_page.h"
#include "text/rtf_reader.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsUtf8(const std::string& text) {
  return SanitizeUtf8({reinterpret_cast<const uint8_t*>(text.data()), text.size()}) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TRtfDocument document = ReadRtf({reinterpret_cast<const char*>(data), size});
  for (const TRtfParagraph& paragraph : document.paragraphs) {
    for (size_t i = 0; i < paragraph.runs.size(); ++i) {
      const TRtfRun& run = paragraph.runs[i];
      Require(!run.text.empty() && IsUtf8(run.text) && IsUtf8(run.format.fontName));
      Require(i == 0 || !(paragraph.runs[i - 1].format == run.format));
    }
  }
  const std::span<const uint8_t> bytes(data, size);
  Require(IsUtf8(DecodeTextFile(bytes, 0)));
  Require(IsUtf8(DecodeTextFile(bytes, 128)));
  return 0;
}
