#pragma once
// What the music player asks the user through the platform: its skin menu, the open-file dialog
// and the messages of a skin chosen from the menu. The session binds an implementation (platform/); without one the player offers neither.

#include <string>
#include <utility>
#include <vector>

struct TPlayerMenuItem {
  std::string caption;  // "-" is a separator
  bool checked = false;
};

// A filter of the open-file dialog: its caption and its patterns separated by ";" ("*.wav;*.ogg").
using TFileFilter = std::pair<std::string, std::string>;

class TMusicPlayerDialogs {
 public:
  virtual ~TMusicPlayerDialogs() = default;
  // Shows items as a pop-up menu at the pointer and returns the index of the one chosen, or -1.
  virtual int ChooseMenuItem(const std::vector<TPlayerMenuItem>& items) = 0;
  // The open-file dialog (several existing files may be chosen; patterns match ignoring letter
  // case): the files in the dialog's order, empty when cancelled.
  virtual std::vector<std::string> ChooseFiles(const std::vector<TFileFilter>& filters) = 0;
  // A message about a skin chosen from the skin menu ("Wrong CRC, so file could be wrong").
  virtual void ShowMessage(const std::string& text) = 0;
};
