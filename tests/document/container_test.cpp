#include "document/container.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/read_error.h"
#include "document/stream_builder.h"
#include "document/test_classes.h"

namespace {

struct TRead {
  TTestRoot root;
  TClientSize clientSize;
  TContainerResult result = TContainerResult::NoDocument;
  std::string error;

  explicit TRead(std::span<const uint8_t> data) {
    root.SetCaption("before");
    try {
      result = ReadDocumentContainer(data, root, TestRegistry(), {}, clientSize);
    } catch (const EReadError& e) {
      error = e.what();
    }
  }
};

TEST(Container, ReadsEveryFraming) {
  const auto stream = CaptionStream("Menu");
  struct TCase {
    std::string name;
    TContainerOptions options;
  };
  const std::vector<TCase> cases = {
      {"plain", {false, false, std::nullopt}},
      {"block marker without compression", {false, true, std::nullopt}},
      {"compressed", {true, false, std::nullopt}},
      {"block marker and compression", {true, true, TClientSize{640, 480}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto bytes = WriteDocumentContainer(stream, c.options);
    TRead read(bytes);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.result, TContainerResult::Loaded);
    EXPECT_EQ(read.root.Caption(), "Menu");
    EXPECT_EQ(read.clientSize.width, c.options.clientSize ? 640 : 0);
    EXPECT_EQ(read.clientSize.height, c.options.clientSize ? 480 : 0);
  }
  // The documented layout of a block-marked compressed container: 37 header bytes.
  auto bytes = WriteDocumentContainer(stream, {true, true, std::nullopt});
  EXPECT_EQ(bytes[11], 0xBC);
  EXPECT_EQ(bytes[12], 0x07);
  EXPECT_EQ(bytes[29], 0x85);
  EXPECT_EQ(bytes[32], 0x54);
}

TEST(Container, SplitsTheClientSizeWord) {
  const auto stream = CaptionStream("x");
  for (auto [width, height] : {std::pair<uint16_t, uint16_t>{0, 480}, {640, 0}, {0, 0}, {65535, 1}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    TRead read(WriteDocumentContainer(stream, {true, false, TClientSize{width, height}}));
    EXPECT_EQ(read.clientSize.width, width);
    EXPECT_EQ(read.clientSize.height, height);
  }
}

TEST(Container, WrongMagicIsNoDocumentAndLeavesTheRootAlone) {
  for (const std::string& text : std::vector<std::string>{"", "KIVDataFil", "kivdatafileTPF0", std::string("KIVData\0ile", 11)}) {
    SCOPED_TRACE(text);
    std::vector<uint8_t> bytes(text.begin(), text.end());
    TRead read(bytes);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.result, TContainerResult::NoDocument);
    EXPECT_EQ(read.root.Caption(), "before");
  }
}

TEST(Container, FailsOnDamagedContent) {
  const auto stream = CaptionStream("Menu");
  auto compressed = WriteDocumentContainer(stream, {true, false, std::nullopt});
  ASSERT_GT(compressed.size(), 20u);
  struct TCase {
    std::string name;
    std::vector<uint8_t> bytes;
  };
  std::vector<TCase> cases;
  {
    auto bytes = compressed;
    bytes[20] ^= 0xFF;  // inside the zlib header
    cases.push_back({"bad zlib header", bytes});
  }
  {
    auto bytes = compressed;
    bytes.at(bytes.size() - 1) ^= 0x01;  // the last byte of the Adler-32 checksum
    cases.push_back({"checksum", bytes});
  }
  {
    auto bytes = compressed;
    bytes.resize(bytes.size() - 6);
    cases.push_back({"compressed data cut short", bytes});
  }
  {
    auto bytes = compressed;
    bytes[15] = 0x7F;  // claims far more compressed bytes than follow
    cases.push_back({"compressed length beyond the file", bytes});
  }
  {
    auto bytes = WriteDocumentContainer(stream, {false, false, std::nullopt});
    bytes.insert(bytes.end(), {0x01, 0x02});  // half a client-size word
    cases.push_back({"partial client-size word", bytes});
  }
  {
    std::vector<uint8_t> bytes(kContainerMagic.size() + 12, 0);
    std::copy(kContainerMagic.begin(), kContainerMagic.end(), bytes.begin());
    bytes[kContainerMagic.size()] = 0xBC;
    bytes[kContainerMagic.size() + 1] = 0x07;
    cases.push_back({"block cut short", bytes});
  }
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TRead read(c.bytes);
    EXPECT_NE(read.error, "");
  }
}

TEST(Container, LocatesAppendedContainers) {
  std::vector<uint8_t> file(5000, 0);
  auto setTrailer = [&](uint32_t locator, std::string_view tag) {
    for (int i = 0; i < 4; ++i) file[file.size() - 14 + i] = static_cast<uint8_t>(locator >> (8 * i));
    std::copy(tag.begin(), tag.end(), file.end() - 10);
  };
  setTrailer(1000, "NEW-SAFLAG");
  EXPECT_EQ(FindAppendedContainer(file), 4000u);
  setTrailer(1000, "STANDALONE");
  EXPECT_EQ(FindAppendedContainer(file), 1000u);
  setTrailer(1000, "new-saflag");
  EXPECT_EQ(FindAppendedContainer(file), std::nullopt);
  setTrailer(6000, "NEW-SAFLAG");
  EXPECT_EQ(FindAppendedContainer(file), std::nullopt);
  EXPECT_EQ(FindAppendedContainer(std::vector<uint8_t>(13, 0)), std::nullopt);
}

TEST(Container, AppendedContainersReadBackWithEitherTag) {
  const std::vector<uint8_t> executable(777, 0x90);
  auto container = WriteDocumentContainer(CaptionStream("Appended"), {true, true, TClientSize{320, 200}});
  for (std::string_view tag : {kTagNewSaFlag, kTagStandalone}) {
    SCOPED_TRACE(tag);
    auto file = AppendContainer(executable, container, tag);
    auto offset = FindAppendedContainer(file);
    ASSERT_EQ(offset, executable.size());
    TRead read(std::span<const uint8_t>(file).subspan(*offset));
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.root.Caption(), "Appended");
    EXPECT_EQ(read.clientSize.width, 320);
  }
  // With the block marker, the locator of "NEW-SAFLAG" is 37 + N + 4 + 14.
  auto file = AppendContainer(executable, container, kTagNewSaFlag);
  uint32_t compressedBytes = container[33] | (container[34] << 8) | (container[35] << 16) | (container[36] << 24);
  uint32_t locator = file[file.size() - 14] | (file[file.size() - 13] << 8) | (file[file.size() - 12] << 16);
  EXPECT_EQ(locator, 37 + compressedBytes + 4 + 14);
}

}  // namespace
