#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "model/custom_data.h"
#include "model/font.h"
#include "model/read_error.h"
#include "document/byte_source.h"
#include "document/component_reader.h"
#include "document/component_writer.h"
#include "document/stream_builder.h"
#include "document/test_classes.h"
#include "support/test_data.h"

namespace {

void AppendCount(std::vector<uint8_t>& out, uint32_t count) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(count >> (8 * i)));
}

// The stored "Data" of a picture: class name, then the format's data.
std::vector<uint8_t> PictureData(const std::string& className, const std::vector<uint8_t>& formatData) {
  std::vector<uint8_t> data(1 + className.size() + formatData.size());
  data[0] = static_cast<uint8_t>(className.size());
  std::copy(formatData.begin(), formatData.end(), std::copy(className.begin(), className.end(), data.begin() + 1));
  return data;
}

struct TPictureLoad {
  TComponent app;
  TTestRoot* root;
  std::vector<uint8_t> stream;
  std::string error;

  explicit TPictureLoad(const std::vector<uint8_t>& data) {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End();
    b.Begin("TTestControl", "C");
    b.Prop("Picture.Data").WriteBinary(data);
    b.End().End().End();
    stream = b.Bytes();
    root = static_cast<TTestRoot*>(app.InsertComponent(std::make_unique<TTestRoot>()));
    TMemorySource source(stream);
    TStreamInput input(source);
    try {
      ReadRootComponent(input, *root, TestRegistry());
    } catch (const EReadError& e) {
      error = e.what();
    }
  }
  const TPicture& Picture() const { return static_cast<TTestControl*>(root->FindComponent("C"))->m_picture; }
};

TEST(StoredPicture, KeepsClassNameAndFileOfEveryFormat) {
  struct TCase {
    std::string className;
    std::string file;
    enum { Counted, MetafileCounted, Whole } form;
  };
  const std::vector<TCase> cases = {
      {"TBitmap", "bmp/8bit-rle8-horse.bmp", TCase::Counted},
      {"TJvPcx", "bmp/4bit-llama.bmp", TCase::Counted},  // a PCX picture is stored as a bitmap
      {"TJPEGImage", "jpeg/video-001.jpeg", TCase::Counted},
      {"TGIFImage", "gif/test-animation.gif", TCase::Counted},
      {"TMetafile", "metafile/greenpig.emf", TCase::MetafileCounted},
      {"TMetafile", "metafile/fish.wmf", TCase::MetafileCounted},
      {"TIcon", "icons/horse.ico", TCase::Whole},
      {"TPNGObject", "png/pngsuite/basic/basn6a08.png", TCase::Whole},
      {"TJvAni", "icons/hourglass.ani", TCase::Whole},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<uint8_t> file = ReadTestFile(c.file);
    std::vector<uint8_t> formatData;
    if (c.form == TCase::Counted) AppendCount(formatData, static_cast<uint32_t>(file.size()));
    if (c.form == TCase::MetafileCounted) AppendCount(formatData, static_cast<uint32_t>(file.size() + 4));
    formatData.insert(formatData.end(), file.begin(), file.end());

    TPictureLoad load(PictureData(c.className, formatData));
    ASSERT_EQ(load.error, "");
    EXPECT_EQ(load.Picture().GraphicClassName(), c.className);
    EXPECT_EQ(std::vector<uint8_t>(load.Picture().FileBytes().begin(), load.Picture().FileBytes().end()), file);
    EXPECT_EQ(WriteRootComponent(*load.root), load.stream) << "the stored form is written back byte for byte";
  }
}

TEST(StoredPicture, EmptyAndUnknownFormsLoadWithoutContent) {
  struct TCase {
    std::string name;
    std::vector<uint8_t> data;
    std::string error;
  };
  std::vector<uint8_t> unknown = PictureData("TWebPImage", {1, 2, 3});
  std::vector<uint8_t> emptyName{0, 'j', 'u', 'n', 'k'};  // only the length byte is read
  std::vector<uint8_t> smallMetafile = PictureData("TMetafile", {4, 0, 0, 0});
  std::vector<uint8_t> shortBitmap = PictureData("TBitmap", {200, 0, 0, 0, 'B', 'M'});
  std::vector<uint8_t> longName = PictureData("TBitm", {});
  longName[0] = 40;  // claims more name than the data holds
  const std::vector<TCase> cases = {
      {"unknown format", unknown, ""},
      {"empty class name", emptyName, ""},
      {"metafile count of 4", smallMetafile, ""},
      {"bitmap count beyond the data", shortBitmap, "Error reading C.Picture.Data: Stream read error"},
      {"class name beyond the data", longName, "Error reading C.Picture.Data: Stream read error"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TPictureLoad load(c.data);
    EXPECT_EQ(load.error, c.error);
    if (c.error.empty()) {
      EXPECT_TRUE(load.Picture().FileBytes().empty()) << "nothing to decode";
    }
  }
}

TEST(DataHolder, CopiesBetweenKindsAndRefusesOtherSources) {
  TWaveData wave;
  const std::vector<uint8_t> bytes = ReadTestFile("audio/wav/chink-16bit-mono.wav");
  wave.SetContent(bytes);
  int notifications = 0;
  TAudioData audio;
  audio.SetOnChange([&](TCustomData&) { ++notifications; });
  audio.Assign(&wave);
  EXPECT_EQ(std::vector<uint8_t>(audio.Bytes().begin(), audio.Bytes().end()), bytes);
  EXPECT_EQ(notifications, 1);
  audio.Assign(nullptr);
  EXPECT_TRUE(audio.Empty());

  TFont font;
  try {
    audio.Assign(&font);
    FAIL() << "a font is no data";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TFont to a TAudioData");
  }
}

TEST(DataHolder, LoadsAndSavesFiles) {
  const auto dir = std::filesystem::temp_directory_path() / ("telvo-data-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  TCursorData cursor;
  cursor.LoadFromFile((dir / "missing.ani").string());
  EXPECT_TRUE(cursor.Empty()) << "a missing file gives an empty holder";
  cursor.SetContent(ReadTestFile("icons/horse3.ani"));
  cursor.SaveToFile((dir / "copy.ani").string());
  TCursorData again;
  again.LoadFromFile((dir / "copy.ani").string());
  EXPECT_TRUE(std::equal(again.Bytes().begin(), again.Bytes().end(), cursor.Bytes().begin(), cursor.Bytes().end()));
  std::ofstream(dir / "empty.cur").close();
  again.LoadFromFile((dir / "empty.cur").string());
  EXPECT_TRUE(again.Empty());
  std::filesystem::remove_all(dir);
}

TEST(DataHolder, StoredCountOfZeroIsEmptyAndEmptyHoldersAreNotWritten) {
  TStreamBuilder b;
  b.Begin("TTestRoot", "Root").End();
  b.Begin("TTestControl", "C");
  b.Prop("Sound.Data").WriteBinary(std::vector<uint8_t>{0, 0, 0, 0});
  b.End().End().End();
  TComponent app;
  auto* root = static_cast<TTestRoot*>(app.InsertComponent(std::make_unique<TTestRoot>()));
  TMemorySource source(b.Bytes());
  TStreamInput input(source);
  ReadRootComponent(input, *root, TestRegistry());
  auto* control = static_cast<TTestControl*>(root->FindComponent("C"));
  EXPECT_TRUE(control->m_sound.Empty());

  TStreamBuilder expected;
  expected.Begin("TTestRoot", "Root").End();
  expected.Begin("TTestControl", "C").End().End().End();
  EXPECT_EQ(WriteRootComponent(*root), expected.Bytes());
}

}  // namespace
