#pragma once
// A medium's folder given in place of a document: the menu its autorun.inf names is played, as
// Windows starts that program when the medium is inserted. The folder's file is treated as
// hostile: nothing outside the folder is opened or listed because of what it says.

#include <optional>
#include <string>

struct TAutorunMenu {
  // The menu document to play, as if it had been named on the command line: folder joined with
  // the names as they were found on disc. Nothing when the folder names none.
  std::optional<std::string> documentPath;
  // Why not, in one line, naming the folder or its autorun.inf as given.
  std::string error;
};

// The menu that folder's autorun.inf names. The file is found ignoring letter case; refused are
// one whose symbolic links lead outside folder, a FIFO or device in its place (never opened), one
// larger than kMaxAutorunInfBytes (not read) and one holding NUL bytes (see ParseAutorunInf). Its programs are tried in order (Open=, then
// ShellExecute=) and the first that is a menu wins; when none is, the error is the first
// program's. A program's path is relative to folder with "\" or "/" between names, each found
// as written or else ignoring letter case. Refused: an absolute path, a drive letter, a ".."
// above folder, any step (symbolic links followed) whose canonical path leaves folder's, a
// loop of symbolic links, a folder, autorun.inf itself, anything but a regular file, and a file
// that carries no menu document (CarriesMenuDocument). An .exe that carries none stands for the
// ".kiv" file beside it (SiblingDocumentPath, found ignoring letter case, checked the same way),
// as the player on the medium reads that file when nothing is appended to it.
TAutorunMenu FindAutorunMenu(const std::string& folder);
