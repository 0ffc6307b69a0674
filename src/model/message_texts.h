#pragma once
// The message texts that actions, slide shows, viewers and the music player show, keyed by their
// translation key. Each menu keeps its own table (in its context, see window/menu_context.h); it
// holds the defaults until a loaded document replaces them.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

enum class TMessageKey : uint8_t {
  ActionCannotOpen, ActionFileNotFound, ActionNoAssociation, ActionAccessDenied, ActionInvalidExecutable,
  ActionDDEFailed, ActionDllNotFound, ActionSharingVioldation, ActionOutOfMemory, SlideShowNoImage,
  SlideShowMessage, SlideShowMessageManual, NoFlashMessage, NoIE4Message, NoWMPMessage, NoAcrobatMessage,
  MusicPlayerDefaultSkin, MusicPlayerFilterAll, MusicPlayerFilterMusic, MusicPlayerFilterPlaylist, PasswordPrompt,
};
inline constexpr size_t kMessageKeyCount = 21;

std::string_view MessageKeyName(TMessageKey key);
std::string_view DefaultMessageText(TMessageKey key);

class TMessageTexts {
 public:
  TMessageTexts();
  const std::string& Text(TMessageKey key) const { return m_texts[static_cast<size_t>(key)]; }
  void SetText(TMessageKey key, std::string text) { m_texts[static_cast<size_t>(key)] = std::move(text); }

 private:
  std::array<std::string, kMessageKeyCount> m_texts;
};
