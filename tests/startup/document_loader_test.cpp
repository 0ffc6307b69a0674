// Loading a document file: where its container lies (start of the file, or behind an
// executable through its trailer), what is read of the file, and hostile counts that must fail
// before anything large is allocated.

#include "startup/document_loader.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "startup/allocation_watch.h"
#include "document/container.h"
#include "startup/main_window.h"
#include "document/stream_builder.h"
#include "support/menu_registry.h"

namespace fs = std::filesystem;

namespace {

void WriteBytes(const fs::path& path, std::span<const uint8_t> bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

fs::path FreshFolder() {
  const fs::path folder =
      fs::path(testing::TempDir()) / ("loader_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::vector<uint8_t> Trailer(uint32_t locator, std::string_view tag) {
  std::vector<uint8_t> trailer(4 + tag.size());
  for (size_t i = 0; i < 4; ++i) trailer[i] = static_cast<uint8_t>(locator >> (8 * i));
  std::copy(tag.begin(), tag.end(), trailer.begin() + 4);
  return trailer;
}

// A load into a fresh built-in window, with the largest allocation the load made.
struct TLoad {
  TComponent application;
  TfrmMain* window;
  TLoadResult result;
  size_t largestAllocationBytes = 0;

  explicit TLoad(const fs::path& path, std::optional<uint64_t> containerOffset = std::nullopt)
      : window(CreateMainWindow(application)) {
    TAllocationWatch watch;
    result = LoadMenuDocument(path.string(), containerOffset, *window, MenuRegistry());
    largestAllocationBytes = watch.LargestBytes();
  }
};

TEST(DocumentLoader, FindsTheContainerAtTheStartOrThroughTheTrailer) {
  const fs::path folder = FreshFolder();
  const auto container = WriteDocumentContainer(CaptionStream("Menu"), {true, true, TClientSize{320, 0}});
  const std::vector<uint8_t> program(5000, 0x90);
  WriteBytes(folder / "menu.kiv", container);
  WriteBytes(folder / "plain.kiv", WriteDocumentContainer(CaptionStream("Menu"), {false, false, std::nullopt}));
  WriteBytes(folder / "new.exe", AppendContainer(program, container, kTagNewSaFlag));
  WriteBytes(folder / "standalone.exe", AppendContainer(program, container, kTagStandalone));
  std::vector<uint8_t> outside = program;
  for (uint8_t b : Trailer(6000, kTagNewSaFlag)) outside.push_back(b);
  WriteBytes(folder / "outside.exe", outside);
  WriteBytes(folder / "program.exe", program);

  struct TCase {
    std::string file;
    TLoadStatus status;
    std::string error;
  };
  const TCase cases[] = {
      {"menu.kiv", TLoadStatus::Loaded, ""},
      {"plain.kiv", TLoadStatus::Loaded, ""},
      {"new.exe", TLoadStatus::Loaded, ""},
      {"standalone.exe", TLoadStatus::Loaded, ""},
      {"outside.exe", TLoadStatus::NoDocument, (folder / "outside.exe").string() + ": its trailer points outside the file"},
      {"program.exe", TLoadStatus::NoDocument, (folder / "program.exe").string() + " holds no menu document"},
      {"missing.kiv", TLoadStatus::FileMissing,
       "cannot open \"" + (folder / "missing.kiv").string() + "\": no such file or directory"},
      {"", TLoadStatus::FileMissing, "cannot open \"" + (folder / "").string() + "\": is a directory"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    TLoad load(folder / c.file);
    EXPECT_EQ(load.result.status, c.status);
    EXPECT_EQ(load.result.error, c.error);
    EXPECT_EQ(load.window->Caption(), c.status == TLoadStatus::Loaded ? "Menu" : "Telvo");
  }

  // A known offset is taken as it is, whatever the file starts with or ends with.
  TLoad at(folder / "new.exe", program.size());
  EXPECT_EQ(at.result.status, TLoadStatus::Loaded);
  EXPECT_EQ(at.window->ClientSize().width, 320);
  EXPECT_EQ(TLoad(folder / "new.exe", program.size() + 1).result.status, TLoadStatus::NoDocument);
  EXPECT_EQ(TLoad(folder / "new.exe", 1u << 20).result.status, TLoadStatus::NoDocument);

  // The quick look before a read finds the stream the same ways, inflated, and nothing where
  // there is no document.
  for (const char* file : {"menu.kiv", "plain.kiv", "new.exe"}) {
    SCOPED_TRACE(file);
    EXPECT_TRUE(DocumentMentions((folder / file).string(), std::nullopt, "Menu"));
    EXPECT_FALSE(DocumentMentions((folder / file).string(), std::nullopt, "TKIVWebBrowser"));
  }
  for (const char* file : {"outside.exe", "program.exe", "missing.kiv"})
    EXPECT_FALSE(DocumentMentions((folder / file).string(), std::nullopt, "")) << file;
}

TEST(DocumentLoader, ReadsOnlyTheContainerBehindAHugeExecutable) {
  // A sparse file of 2 GiB, then a container and its trailer: the locator of "NEW-SAFLAG"
  // counts from the end, so it holds whatever lies before the container.
  const fs::path path = FreshFolder() / "huge.exe";
  const auto appended = AppendContainer({}, WriteDocumentContainer(CaptionStream("Huge"), {}), kTagNewSaFlag);
  const off_t start = off_t{2} << 30;
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(pwrite(fd, appended.data(), appended.size(), start), static_cast<ssize_t>(appended.size()));
  close(fd);

  TLoad load(path);
  EXPECT_EQ(load.result.status, TLoadStatus::Loaded) << load.result.error;
  EXPECT_EQ(load.window->Caption(), "Huge");
  EXPECT_LT(load.largestAllocationBytes, 64u << 10);
}

TEST(DocumentLoader, LargeEmbeddedFilesArriveWhole) {
  std::vector<uint8_t> icon(5u << 20);
  std::mt19937 random(7);
  for (uint8_t& b : icon) b = static_cast<uint8_t>(random());
  std::vector<uint8_t> stored(4 + icon.size());
  for (int i = 0; i < 4; ++i) stored[static_cast<size_t>(i)] = static_cast<uint8_t>(icon.size() >> (8 * i));
  std::copy(icon.begin(), icon.end(), stored.begin() + 4);
  TStreamBuilder b;
  b.Begin("TfrmDesign", "frmDesign");
  b.Prop("IconData.Data").WriteBinary(stored);
  b.End().End();
  const fs::path folder = FreshFolder();
  for (bool compress : {true, false}) {
    SCOPED_TRACE(compress ? "compressed" : "plain");
    WriteBytes(folder / "icon.kiv", WriteDocumentContainer(b.Bytes(), {compress, false, std::nullopt}));
    TLoad load(folder / "icon.kiv");
    ASSERT_EQ(load.result.status, TLoadStatus::Loaded) << load.result.error;
    const auto bytes = load.window->IconData()->Bytes();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), icon.begin(), icon.end()));
  }
}

// A stream whose window stores one value, written raw: the property path, then the bytes.
std::vector<uint8_t> StreamWithRawValue(const std::string& path, const std::vector<uint8_t>& value) {
  TStreamBuilder b;
  b.Begin("TfrmDesign", "frmDesign");
  b.Prop(path);
  b.Bytes().insert(b.Bytes().end(), value.begin(), value.end());
  b.End().End();
  return b.Bytes();
}

TEST(DocumentLoader, HostileCountsFailBeforeAnythingLargeIsAllocated) {
  const uint8_t huge[] = {0xF0, 0xFF, 0xFF, 0x7F};  // 0x7FFFFFF0
  auto value = [&](uint8_t code, std::vector<uint8_t> tail) {
    std::vector<uint8_t> bytes(1 + sizeof huge + tail.size());
    bytes[0] = code;
    std::copy(std::begin(huge), std::end(huge), bytes.begin() + 1);
    std::copy(tail.begin(), tail.end(), bytes.begin() + 1 + sizeof huge);
    return bytes;
  };
  struct TCase {
    std::string name;
    std::vector<uint8_t> stream;
  };
  const TCase streams[] = {
      {"binary length", StreamWithRawValue("IconData.Data", value(10, {1, 2, 3}))},
      // A binary of 8 bytes whose holder count claims far more.
      {"holder count", StreamWithRawValue("IconData.Data", {10, 8, 0, 0, 0, huge[0], huge[1], huge[2], huge[3], 1, 2, 3, 4})},
      {"picture count", StreamWithRawValue("Picture.Data", {10, 12, 0, 0, 0, 7, 'T', 'B', 'i', 't', 'm', 'a', 'p',
                                                            huge[0], huge[1], huge[2], huge[3]})},
      {"long string", StreamWithRawValue("Caption", value(12, {'a'}))},
      {"wide string", StreamWithRawValue("Caption", value(18, {'a', 0}))},
      {"UTF-8 string", StreamWithRawValue("Caption", value(20, {'a'}))},
  };
  const fs::path folder = FreshFolder();
  std::vector<std::pair<std::string, std::vector<uint8_t>>> documents;
  for (const TCase& c : streams)
    for (bool compress : {true, false})
      documents.emplace_back(c.name + (compress ? ", compressed" : ""),
                             WriteDocumentContainer(c.stream, {compress, false, std::nullopt}));
  // The container's own count: far more compressed bytes than the file holds.
  std::vector<uint8_t> container = WriteDocumentContainer(CaptionStream("x"), {});
  std::copy(std::begin(huge), std::end(huge), container.begin() + 15);
  documents.emplace_back("compressed length", container);

  for (const auto& [name, bytes] : documents) {
    SCOPED_TRACE(name);
    WriteBytes(folder / "hostile.kiv", bytes);
    TLoad load(folder / "hostile.kiv");
    EXPECT_EQ(load.result.status, TLoadStatus::Failed);
    EXPECT_NE(load.result.error.find("Stream read error"), std::string::npos) << load.result.error;
    EXPECT_LT(load.largestAllocationBytes, 64u << 10) << "no allocation beyond what the file can hold";
  }
}

}  // namespace
