#pragma once
// The decisions of the player's start-up, as functions of what they look at, so they can be
// tested without a display: which file holds the document, which fonts come with it, which page
// starts, where the window goes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/geometry.h"
#include "document/container.h"
#include "window/menu_form.h"

// Where the document is read from.
struct TDocumentLocation {
  std::string path;
  // Where the container starts, when it is known to be appended to the executable; without it
  // the container is at the start of the file or where the file's trailer says. Empty with
  // appended: the trailer points outside the file, which then holds no readable document.
  std::optional<uint64_t> containerOffset;
  bool appended = false;  // the container lies inside the running executable
  friend bool operator==(const TDocumentLocation&, const TDocumentLocation&) = default;
};

// The document named on the command line when there is one (its own container, or the one
// its trailer points at); else, when the executable has a trailer (from ExecutableTrailer), the
// container appended to it, even one its locator cannot reach; else the ".kiv" file beside the
// executable.
TDocumentLocation LocateDocument(const std::string& commandLineDocument, const std::string& executablePath,
                                 std::optional<TTrailer> executableTrailer);

// The executable's path with its extension replaced by ".kiv" ("menu.exe" -> "menu.kiv";
// "telvo" -> "telvo.kiv").
std::string SiblingDocumentPath(const std::string& executablePath);

// The trailer of the file at path, or nothing when the file cannot be read or ends with no
// trailer. Only the trailer is read.
std::optional<TTrailer> ExecutableTrailer(const std::string& path);

// Whether a file of the FontData folder is a font to add: a name of at least 5 characters
// whose extension, in lower case, is .fon, .fnt, .ttf, .ttc, .fot, .otf, .mmm, .pfb or .pfm.
bool IsEmbeddedFontName(std::string_view fileName);

// The fonts that come with the document: every file directly inside the folder "FontData"
// beside the document (the folder's name matched ignoring letter case; for a container appended
// to an executable, beside the executable) whose name passes IsEmbeddedFontName, as full paths
// in name order. Sub-folders are skipped; a missing folder gives none.
std::vector<std::string> EmbeddedFontFiles(const std::string& documentFolder);

// The start page: the first page whose caption equals startPageName ignoring letter case (both
// upper-cased); StartupPage when no name was given or none matches.
int32_t ChooseStartPage(const std::vector<std::string>& pageCaptions, const std::string& startPageName,
                        int32_t startupPage);

// The window's top-left corner that centres it: (screen - window) / 2 on each axis, the
// divisions truncating toward zero; window is the outer size.
TPoint CentredPosition(TSize screen, TSize window);
