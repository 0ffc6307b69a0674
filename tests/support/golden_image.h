#pragma once
// Comparing a rendered picture with a golden image kept in the repository.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "graphics/bitmap32.h"

// Whether TELVO_UPDATE_GOLDEN=1 asks the golden tests to write their expected images.
bool UpdatingGoldenImages();

// Compares image with folder/expected.png pixel for pixel (alpha included). When updating,
// writes expected.png instead (making the folder) and succeeds. On a mismatch writes work/actual.png and
// work/diff.png (differences in red over a faded copy of the expected image) and says so.
testing::AssertionResult MatchesGoldenImage(const TBitmap32& image, const std::filesystem::path& folder,
                                            const std::filesystem::path& work);

// The names of folder's subfolders that hold a file named input, sorted: the cases of a
// parameterised golden test.
std::vector<std::string> GoldenCases(const std::filesystem::path& folder, const std::string& input);
