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
  // The page the winning command's "-p" asks for; empty when it asks for none.
  std::string startPage;
};

// The menu that folder's autorun.inf names. The file is found ignoring letter case; refused are
// one whose symbolic links lead outside folder, a FIFO or device in its place (never opened), one
// larger than kMaxAutorunInfBytes (not read) and one holding NUL bytes (see ParseAutorunInf).
// Its commands are tried in order (Open=, then ShellExecute=) and the first that gives a menu
// wins; when none does, the error is the first command's.
// A command's arguments are read as the player on the medium reads its own (ReadPlayerArguments):
// "-p" gives startPage, and a document argument names the menu to play in place of the program's
// own. Then the program must still be a regular file within folder (refused as below, but it
// need not carry a menu) and the document is found and refused as a program is.
// A program's (or document's) path is relative to folder, as Windows starts an autorun program
// in the medium's root, with "\" or "/" between names, each found as written or else ignoring
// letter case. Refused: an absolute path, a drive letter, a ".." above folder, any step
// (symbolic links followed) whose canonical path leaves folder's, a loop of symbolic links, a
// folder, autorun.inf itself, anything but a regular file, and a file that carries no menu
// document (CarriesMenuDocument). An .exe that carries none stands for the ".kiv" file beside it
// (SiblingDocumentPath, found ignoring letter case, checked the same way), as the player on the
// medium reads that file when nothing is appended to it. The error names the refused path as
// written, program or document.
TAutorunMenu FindAutorunMenu(const std::string& folder);
