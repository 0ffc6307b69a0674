#pragma once
// Builds component streams for reader tests with the project's own stream writer.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document/stream_output.h"

class TStreamBuilder {
 public:
  TStreamBuilder() { m_out.WriteSignature(); }
  // Starts a component record; the root is the first one.
  TStreamBuilder& Begin(const std::string& cls, const std::string& name, uint8_t flags = 0,
                        std::optional<int64_t> position = std::nullopt) {
    m_out.WritePrefix(flags, position);
    m_out.WriteShortString(cls);
    m_out.WriteShortString(name);
    return *this;
  }
  // Starts a property entry; write its value through Out().
  TStreamOutput& Prop(const std::string& path) {
    m_out.WriteShortString(path);
    return m_out;
  }
  TStreamBuilder& End() {  // ends a property list or a child list
    m_out.WriteEnd();
    return *this;
  }
  TStreamOutput& Out() { return m_out; }
  std::vector<uint8_t>& Bytes() { return m_bytes; }

 private:
  std::vector<uint8_t> m_bytes;
  TStreamOutput m_out{m_bytes};
};

// A design window's stream that stores only its caption.
inline std::vector<uint8_t> CaptionStream(const std::string& caption) {
  TStreamBuilder b;
  b.Begin("TfrmDesign", "frmDesign");
  b.Prop("Caption").WriteString(caption);
  b.End().End();
  return b.Bytes();
}
