#pragma once
// The audio tracks of the disc the menu runs from, as a media player plays them: "cdda://N" for
// each audio track N of the optical drive that holds the menu's folder.

#include <string>
#include <string_view>
#include <vector>

// The tracks of the disc in the optical drive holding folder (see OpticalDriveOf), read from the
// drive's table of contents; data tracks are left out. Empty when folder is on no optical drive,
// the drive holds no disc or cannot be read.
std::vector<std::string> AudioCdTracks(const std::string& folder);

// The kind of address the document stores for them, in any letter case.
bool IsAudioCdAddress(std::string_view address);
