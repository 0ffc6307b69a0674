#pragma once
// The pictures a slide show shows: the picture files of a folder, optionally with all its
// sub-folders, sorted by full name ignoring letter case.

#include <string>
#include <string_view>
#include <vector>

// Whether name's extension, upper-cased, is one the slide show decodes: .BMP, .JPG, .JPEG,
// .PNG, .GIF or .PCX.
bool IsSlideShowPicture(std::string_view name);

// The full names of the picture files in folder (a Linux path), hidden files included and names
// beginning with "." left out, with recursive those of every sub-folder too. Symbolic links to
// folders are not followed (a link to a parent would never end), and sub-folders deeper than 64
// levels are left out. A missing or unreadable folder gives an empty list.
std::vector<std::string> ScanSlideShowFolder(const std::string& folder, bool recursive);
