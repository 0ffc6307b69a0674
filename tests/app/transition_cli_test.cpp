// telvo --transition, run as an author runs it: the frame written is the style's frame between
// the two pictures, as an 8-bit RGB PNG of their size, and bad input ends with exit code 1.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

int RunCommand(const std::string& command) {
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QImage Plain(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

class TelvoTransition : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(m_work);
    ASSERT_TRUE(Plain(40, 20, qRgb(0, 0, 255)).save(Path("old.png")));
    ASSERT_TRUE(Plain(40, 20, qRgb(255, 0, 0)).save(Path("new.png")));
  }
  QString Path(const std::string& name) const { return QString::fromStdString((m_work / name).string()); }
  int Run(const std::string& arguments) const {
    return RunCommand(std::string(TELVO_BINARY) + " --transition " + arguments);
  }
  std::string File(const std::string& name) const { return (m_work / name).string(); }

  fs::path m_work = fs::path(testing::TempDir()) / "transition_cli";
};

TEST_F(TelvoTransition, WritesTheStylesFrameAsAnRgbPicture) {
  // "Reveal from left" at 25: X = 10 columns of the new picture.
  ASSERT_EQ(Run("5 25 " + File("old.png") + " " + File("new.png") + " " + File("out.png")), 0);
  const QImage frame(Path("out.png"));
  ASSERT_EQ(frame.size(), QSize(40, 20));
  // The PNG header: 8 bits per sample, colour type 2 (RGB, no alpha).
  std::ifstream file(File("out.png"), std::ios::binary);
  char header[26] = {};
  file.read(header, sizeof header);
  EXPECT_EQ(header[24], 8);
  EXPECT_EQ(header[25], 2);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(frame.pixel(x, 10), x < 10 ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) << x;
  // --step sets the size unit: "Blind vertically" at step 9 has S = 4, slats every 10 columns.
  ASSERT_EQ(Run("136 50 " + File("old.png") + " " + File("new.png") + " " + File("blind.png") + " --step 9"), 0);
  const QImage blind(Path("blind.png"));
  for (int x = 0; x < 40; ++x) EXPECT_EQ(blind.pixel(x, 0), x % 10 < 5 ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) << x;
}

TEST_F(TelvoTransition, BadPicturesEndWithExitCodeOne) {
  ASSERT_TRUE(Plain(41, 20, qRgb(0, 0, 0)).save(Path("wider.png")));
  std::ofstream(File("broken.png")) << "not a picture";
  EXPECT_EQ(Run("5 25 " + File("old.png") + " " + File("wider.png") + " " + File("out.png")), 1);
  EXPECT_EQ(Run("5 25 " + File("broken.png") + " " + File("new.png") + " " + File("out.png")), 1);
  EXPECT_EQ(Run("5 25 " + File("old.png") + " " + File("missing.png") + " " + File("out.png")), 1);
  EXPECT_EQ(Run("5 25 " + File("old.png") + " " + File("new.png") + " " + File("no/such/folder/out.png")), 1);
  EXPECT_EQ(Run("151 25 " + File("old.png") + " " + File("new.png") + " " + File("out.png")), 2);
}

}  // namespace
