#include "model/message_texts.h"

namespace {

struct TMessageEntry {
  std::string_view key;
  std::string_view defaultText;
};

// In key order. The "\n" pairs are backslash escapes, decoded where the text is shown.
constexpr std::array<TMessageEntry, kMessageKeyCount> kMessages = {{
    {"ActionCannotOpen", "Can't open %s."},
    {"ActionFileNotFound", "The file or path doesn't exist."},
    {"ActionNoAssociation", "There is no application associated with the given file name extension or protocol."},
    {"ActionAccessDenied", "The application doesn't exist or access denied."},
    {"ActionInvalidExecutable", "The executable file is invalid."},
    {"ActionDDEFailed", "DDE transaction failed."},
    {"ActionDllNotFound", "The dynamic-link library doesn't exist."},
    {"ActionSharingVioldation", "A sharing violation occurred."},
    {"ActionOutOfMemory", "Out of memory."},
    {"SlideShowNoImage", "%s doesn't contain any supported image file."},
    {"SlideShowMessage", "Press ESC to quit, double click for next picture."},
    {"SlideShowMessageManual", "Press ESC to quit, click left button for next picture."},
    {"NoFlashMessage", "FLASH PLAYER IS NOT INSTALLED\\nPLEASE CLICK HERE TO GET IT"},
    {"NoIE4Message", "INTERNET EXPLORER 4.0 OR LATER IS NOT INSTALLED\\nPLEASE CLICK HERE TO GET IT"},
    {"NoWMPMessage", "WINDOWS MEDIA PLAYER IS NOT INSTALLED\\nPLEASE CLICK HERE TO GET IT"},
    {"NoAcrobatMessage", "ADOBE ACROBAT READER IS NOT INSTALLED\\nPLEASE CLICK HERE TO GET IT"},
    {"MusicPlayerDefaultSkin", "Default Skin"},
    {"MusicPlayerFilterAll", "All Supported Files"},
    {"MusicPlayerFilterMusic", "Music Files"},
    {"MusicPlayerFilterPlaylist", "Play List Files"},
    {"PasswordPrompt", "&Enter Password:"},
}};

}  // namespace

std::string_view MessageKeyName(TMessageKey key) { return kMessages[static_cast<size_t>(key)].key; }
std::string_view DefaultMessageText(TMessageKey key) { return kMessages[static_cast<size_t>(key)].defaultText; }

TMessageTexts::TMessageTexts() {
  for (size_t i = 0; i < kMessageKeyCount; ++i) m_texts[i] = std::string(kMessages[i].defaultText);
}
