#pragma once
// The persistent records the menu window and the action controls own: the builder's version
// data, the translations of run-time messages, and the command sent to another control.

#include <array>
#include <cstdint>
#include <string>

#include "model/message_texts.h"
#include "model/persistent.h"

// Builder-only version data of the produced executable; read and kept, never used.
class TKIVUserVersion : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Assign(const TPersistent* source) override;

  uint16_t m_fileVerMajor = 0;
  uint16_t m_fileVerMinor = 0;
  uint16_t m_fileVerRelease = 0;
  uint16_t m_fileVerBuild = 0;
  std::string m_description;
  std::string m_copyright;
  std::string m_comments;
  std::string m_company;
};

// Replacement texts for the run-time messages; an empty key means the built-in default.
class TKIVTextTranslation : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  void Assign(const TPersistent* source) override;

  const std::string& Text(TMessageKey key) const { return m_texts[static_cast<size_t>(key)]; }
  void SetText(TMessageKey key, std::string text) { m_texts[static_cast<size_t>(key)] = std::move(text); }

 private:
  std::array<std::string, kMessageKeyCount> m_texts;
};

TELVO_ENUM(TKIVControlIAType, iatNone, iatImage, iatTextBox, iatRichText, iatMusicPlayer, iatFlash, iatWebBrowser,
           iatMediaPlayer, iatPDFViewer)

// A command sent to another control by its IAName.
class TKIVControlIA : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  // Copies another command's four values; any other source (or none) changes nothing.
  void Assign(const TPersistent* source) override;

  TKIVControlIAType m_controlType = TKIVControlIAType::iatNone;
  std::string m_controlName;
  std::string m_action;
  std::string m_parameter;
};
