#pragma once
// The entries of the play-list files a music player reads, as users' files are: M3U and M3U8
// lists and PLS lists. The readers take the file's bytes and return the entries in order, each
// made absolute against the list's own folder; reading the files and nesting lists is the play
// list's work (play_list.h).
//
// Text: lines end at CR, LF or CR LF; a UTF-8 byte-order mark is dropped; the text is UTF-8 when
// it is valid UTF-8 and Windows-1252 otherwise.
//
// An entry is absolute when it begins with "/" (a Linux path), when its second character is ":"
// (a Windows drive), or when it is a web address with a scheme ("http://..."), which is kept as
// it is rather than glued to the folder; any other entry is put behind the list's folder.
// Windows separators are turned into Linux ones and a name in another letter case is found.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The lines of an M3U list that are neither empty nor begin with "#", not trimmed, made
// absolute against folder (the list's folder, a Linux path).
std::vector<std::string> ReadM3uEntries(std::span<const uint8_t> bytes, const std::string& folder);

// The FileN values of the [playlist] section of a PLS list, by the Windows profile rules: section
// and key names ignoring ASCII letter case, values trimmed of spaces and tabs and taken as they
// stand (no unescaping, commas kept), the first of repeated keys. N runs from 1 to the section's
// NumberOfEntries; entries missing or empty are left out. The count is only compared with the
// numbers of the keys present, so no count drives a loop or an allocation.
std::vector<std::string> ReadPlsEntries(std::span<const uint8_t> bytes, const std::string& folder);
