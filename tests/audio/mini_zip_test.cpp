// The zip reader of zipped skins and the skin sources: lookup by file name ignoring case and
// folders, stored and deflated entries, the CRC warning once per skin, damaged archives and zip
// bombs refused, and the real skin of the repository's test data.

#include "audio/mini_zip.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "audio/skin_sources.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

struct TTestEntry {
  std::string name;
  std::string data;
  bool deflate = true;
  int32_t crcDelta = 0;           // added to the stored CRC-32
  int64_t declaredDelta = 0;      // added to the declared uncompressed size
  uint32_t declaredOverride = 0;  // when not 0, the declared uncompressed size
};

void Put16(std::string& out, uint32_t v) { out += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)}; }
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, data.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// A zip archive of entries, in order.
std::vector<uint8_t> Zip(const std::vector<TTestEntry>& entries) {
  std::string out, central;
  for (const TTestEntry& e : entries) {
    const std::string stored = e.deflate ? RawDeflate(e.data) : e.data;
    const auto crc = static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), e.data.size()) +
                                           static_cast<uint32_t>(e.crcDelta));
    const auto declared = e.declaredOverride != 0 ? e.declaredOverride
                                                  : static_cast<uint32_t>(static_cast<int64_t>(e.data.size()) + e.declaredDelta);
    const auto offset = static_cast<uint32_t>(out.size());
    Put32(out, 0x04034B50);
    Put16(out, 20), Put16(out, 0), Put16(out, e.deflate ? 8 : 0), Put16(out, 0), Put16(out, 0);
    Put32(out, crc), Put32(out, static_cast<uint32_t>(stored.size())), Put32(out, declared);
    Put16(out, static_cast<uint32_t>(e.name.size())), Put16(out, 0);
    out += e.name + stored;
    Put32(central, 0x02014B50);
    Put16(central, 20), Put16(central, 20), Put16(central, 0), Put16(central, e.deflate ? 8 : 0);
    Put16(central, 0), Put16(central, 0);
    Put32(central, crc), Put32(central, static_cast<uint32_t>(stored.size())), Put32(central, declared);
    Put16(central, static_cast<uint32_t>(e.name.size())), Put16(central, 0), Put16(central, 0);
    Put16(central, 0), Put16(central, 0), Put32(central, 0), Put32(central, offset);
    central += e.name;
  }
  const auto centralAt = static_cast<uint32_t>(out.size());
  out += central;
  Put32(out, 0x06054B50);
  Put16(out, 0), Put16(out, 0), Put16(out, static_cast<uint32_t>(entries.size())),
      Put16(out, static_cast<uint32_t>(entries.size()));
  Put32(out, static_cast<uint32_t>(central.size())), Put32(out, centralAt), Put16(out, 0);
  return {out.begin(), out.end()};
}

std::string Text(const std::optional<std::vector<uint8_t>>& bytes) {
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

TEST(MiniZip, FindsBitmapsByFileNameIgnoringCaseAndFolders) {
  const std::string big(100000, 'z');
  std::vector<std::string> reports;
  TZipSkinSource skin(Zip({{"Skin/MAIN.BMP", "deflated main"},
                           {"main.bmp", "second main"},
                           {"titlebar.bmp", "stored title", false},
                           {"skin\\Text.Bmp", big},
                           {"empty.bmp", ""}}),
                      [&](const std::string& text) { reports.push_back(text); });
  EXPECT_EQ(Text(skin.BitmapFile("main")), "deflated main");  // the first in directory order
  EXPECT_EQ(Text(skin.BitmapFile("titlebar")), "stored title");
  EXPECT_EQ(Text(skin.BitmapFile("text")), big);
  EXPECT_EQ(Text(skin.BitmapFile("empty")), "");
  EXPECT_EQ(Text(skin.BitmapFile("volume")), "<none>");
  EXPECT_TRUE(reports.empty());
}

TEST(MiniZip, AWrongCrcIsReportedOnceAndTheDataUsed) {
  std::vector<std::string> reports;
  TZipSkinSource skin(Zip({{"main.bmp", "main", true, 1}, {"text.bmp", "text", false, 1}}),
                      [&](const std::string& text) { reports.push_back(text); });
  EXPECT_EQ(Text(skin.BitmapFile("main")), "main");
  EXPECT_EQ(Text(skin.BitmapFile("text")), "text");
  EXPECT_EQ(reports, std::vector<std::string>{"Wrong CRC, so file could be wrong"});
}

TEST(MiniZip, DamagedArchivesAndEntriesAreRefused) {
  const std::vector<uint8_t> good = Zip({{"main.bmp", std::string(5000, 'm')}});
  const auto damaged = [&](const std::function<void(std::vector<uint8_t>&)>& damage) {
    std::vector<uint8_t> bytes = good;
    damage(bytes);
    return bytes;
  };
  const size_t end = good.size() - 22;
  struct TCase {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const TCase unlistable[] = {
      {"empty", {}},
      {"no end record", damaged([](auto& b) { b.resize(b.size() - 22); })},
      {"a directory beyond the end", damaged([&](auto& b) { b[end + 19] = 0x7F; })},
      {"more entries than the directory holds", damaged([&](auto& b) { b[end + 8] = 0xFF; })},
      {"a name running past the end", damaged([&](auto& b) { b[end - 8 - 17] = 0xFF; })},
  };
  for (const TCase& c : unlistable) EXPECT_FALSE(TMiniZip::FromBytes(c.bytes, {})) << c.what;

  struct TEntryCase {
    const char* what;
    TTestEntry entry;
  };
  const std::string data(5000, 'm');
  const TEntryCase refused[] = {
      {"declares 4 GB", {"main.bmp", data, true, 0, 0, 0xFFFFFFF0}},
      {"inflates beyond what it declares (a bomb)", {"main.bmp", std::string(1'000'000, 0), true, 0, -999'000}},
      {"inflates to less than it declares", {"main.bmp", data, true, 0, 10}},
      {"stored with sizes that differ", {"main.bmp", data, false, 0, 10}},
  };
  for (const TEntryCase& c : refused) {
    const std::optional<TMiniZip> zip = TMiniZip::FromBytes(Zip({c.entry}), {});
    ASSERT_TRUE(zip) << c.what;
    EXPECT_FALSE(zip->Extract(zip->Entries().front())) << c.what;
  }
  // A local header offset pointing elsewhere.
  std::optional<TMiniZip> zip = TMiniZip::FromBytes(Zip({{"main.bmp", data}}), {});
  TZipEntry moved = zip->Entries().front();
  moved.localHeaderOffset = 7;
  EXPECT_FALSE(zip->Extract(moved));
}

TEST(MiniZip, TheRepositorysSkinReadsWithoutBeingOpenedForWriting) {
  const fs::path copy = fs::path(testing::TempDir()) / "Debian-read-only.wsz";
  fs::remove(copy);
  fs::copy_file(TestDataPath("skins/Debian.wsz"), copy);
  fs::permissions(copy, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto before = fs::last_write_time(copy);
  TZipSkinSource zipped(copy.string(), {});
  TFolderSkinSource folder(TestDataPath("skins/Debian"));
  for (const char* name : {"main", "titlebar", "cbuttons", "shufrep", "monoster", "volume", "balance", "posbar",
                           "nums_ex", "playpaus", "text"}) {
    const std::optional<std::vector<uint8_t>> bytes = zipped.BitmapFile(name);
    ASSERT_TRUE(bytes) << name;
    EXPECT_EQ(bytes, folder.BitmapFile(name)) << name;
    EXPECT_EQ((*bytes)[0], 'B') << name;
  }
  EXPECT_FALSE(zipped.BitmapFile("numbers"));
  EXPECT_EQ(fs::last_write_time(copy), before);
  fs::permissions(copy, fs::perms::owner_all);
}

TEST(SkinSources, AFolderSkinIsFoundIgnoringLetterCase) {
  const fs::path folder = fs::path(testing::TempDir()) / "Folder Skin";
  fs::remove_all(folder);
  fs::create_directories(folder);
  std::ofstream(folder / "MAIN.BMP") << "main";
  std::ofstream(folder / "Text.bmp") << "text";
  TFolderSkinSource skin(folder.string() + "\\");
  EXPECT_EQ(Text(skin.BitmapFile("main")), "main");
  EXPECT_EQ(Text(skin.BitmapFile("text")), "text");
  EXPECT_EQ(Text(skin.BitmapFile("volume")), "<none>");
  EXPECT_EQ(Text(TFolderSkinSource((folder / "missing").string()).BitmapFile("main")), "<none>");
}

}  // namespace
