#pragma once
// The music player's skin menu and open-file dialog on Qt: a pop-up menu at the pointer, and
// Qt's own file dialog (not the desktop's native one, which matches patterns with letter case:
// ".MP3" files on a disc from Windows must show under "*.mp3").

#include <QString>

#include "audio/music_player_dialogs.h"

class TQtMusicPlayerDialogs final : public TMusicPlayerDialogs {
 public:
  int ChooseMenuItem(const std::vector<TPlayerMenuItem>& items) override;
  std::vector<std::string> ChooseFiles(const std::vector<TFileFilter>& filters) override;
  void ShowMessage(const std::string& text) override;
};

// A filter as Qt's file dialog takes it, each pattern matching any letter case:
// "Music Files (*.[wW][aA][vV] *.[oO][gG][gG])" for {"Music Files", "*.wav;*.ogg"}.
QString QtNameFilter(const TFileFilter& filter);
