// Finding a folder's entry by a name in another letter case.

#include "actions/folder_entry.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

TEST(FolderEntry, NameIsMatchedIgnoringCaseBeyondAscii) {
  const fs::path folder = fs::path(testing::TempDir()) / "folder_entry";
  fs::remove_all(folder);
  fs::create_directories(folder / "FontData");
  std::ofstream(folder / "\xC3\x84rger.TXT") << "x";  // "Ärger.TXT"
  struct TCase {
    const char* name;
    std::optional<fs::path> entry;
  };
  const TCase cases[] = {
      {"fontdata", fs::path("FontData")},
      {"FONTDATA", fs::path("FontData")},
      {"\xC3\xA4rger.txt", fs::path("\xC3\x84rger.TXT")},  // "ärger.txt"
      {"Arger.txt", std::nullopt},
      {"font", std::nullopt},
      {"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(EntryNameIgnoringCase(folder, c.name), c.entry) << c.name;
  EXPECT_EQ(EntryNameIgnoringCase(folder / "missing", "fontdata"), std::nullopt);
}

}  // namespace
