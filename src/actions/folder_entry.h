#pragma once
// Finding a file by a name written in another letter case, as stored documents name files for a
// file system that ignores case.

#include <filesystem>
#include <optional>
#include <string_view>

// The name of the first entry folder lists whose name equals name ignoring letter case (Unicode
// case folding); nothing when none does or the folder cannot be read.
std::optional<std::filesystem::path> EntryNameIgnoringCase(const std::filesystem::path& folder, std::string_view name);
