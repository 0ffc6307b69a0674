#pragma once
// Ejecting the disc the menu runs from, after the player has ended: a helper process started by
// the player waits until the instance lock is free (every 500 ms, giving up after 20 tries), then
// runs eject on the drive. A menu that does not run from an optical drive ejects nothing.

#include <optional>
#include <string>
#include <string_view>

// The optical drive (its device, such as /dev/sr0) holding folder, found in mounts (the text of
// /proc/self/mounts: device, mount point, type, ... per line, spaces in names as \040): the
// longest mount point containing folder, when its device is /dev/sr* or /dev/cdrom* or its
// type iso9660 or udf.
std::optional<std::string> OpticalDriveOf(const std::string& folder, std::string_view mounts);

// Starts the helper (detached) that ejects device once the lock file lockPath is free. Returns
// whether it started. eject is found on PATH.
bool StartEjectHelper(const std::string& device, const std::string& lockPath);

// The eject of the folder's medium: nothing unless it is on an optical drive.
void EjectMediumOf(const std::string& folder, const std::string& lockPath);
