#pragma once
// Holders of embedded bytes: sounds, music, cursors and icons travel inside the document. Each
// keeps its content exactly as stored; playing, decoding and showing live in the layers that
// own those services and take the holder as input.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/byte_block.h"
#include "model/persistent.h"

class TCustomData : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Any holder kind accepts any other (the bytes are copied); null clears; other sources fail.
  void Assign(const TPersistent* source) override;

  bool Empty() const { return m_bytes.empty(); }
  int32_t Size() const { return static_cast<int32_t>(m_bytes.size()); }
  std::span<const uint8_t> Bytes() const { return m_bytes; }
  void Clear();
  void SetContent(std::span<const uint8_t> bytes);
  // Takes the block's content without copying.
  void SetContent(TByteBlock&& bytes);

  // Replaces the content with the whole file; a missing file leaves the holder empty.
  // Throws std::runtime_error when an existing file cannot be read.
  void LoadFromFile(const std::string& path);
  // Creates or truncates path and writes the content; throws std::runtime_error on failure.
  void SaveToFile(const std::string& path) const;

  // Called after every change of the content; may be unset.
  void SetOnChange(std::function<void(TCustomData&)> onChange) { m_onChange = std::move(onChange); }

 private:
  void Changed();

  TByteBlock m_bytes;
  std::function<void(TCustomData&)> m_onChange;
};

// A complete RIFF WAVE file: control sounds.
class TWaveData : public TCustomData {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// What the audio layer keeps for a TAudioData while it plays; destroying it ends the playback.
class TAudioPlayback {
 public:
  virtual ~TAudioPlayback() = default;
};

// A complete music file (WAVE, MIDI, MP3, Ogg Vorbis or tracker module): background music.
class TAudioData : public TCustomData {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Set by the audio layer while the holder's music plays; a holder that is freed stops itself.
  std::unique_ptr<TAudioPlayback>& Playback() { return m_playback; }
  const TAudioPlayback* Playback() const { return m_playback.get(); }

 private:
  std::unique_ptr<TAudioPlayback> m_playback;
};

// A complete cursor file (.cur or animated .ani).
class TCursorData : public TCustomData {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};

// A complete icon file (.ico).
class TIconData : public TCustomData {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
