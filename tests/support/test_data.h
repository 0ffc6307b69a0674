#pragma once
// The files of the tests' data folder (tests/data, listed in its MANIFEST.txt).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The path of the data file at relative (e.g. "bmp/4bit-pat4.bmp").
std::string TestDataPath(std::string_view relative);

// The bytes of the data file at relative; throws std::runtime_error naming the path when it
// cannot be read, so a missing file fails its test instead of passing as empty input.
std::vector<uint8_t> ReadTestFile(std::string_view relative);
