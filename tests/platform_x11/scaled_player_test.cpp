// The player at a scale above 1 on a real X server, run as a user runs it: the server's image of
// the menu window is the unscaled render with each pixel a block, its shape cut on the blocks'
// edges; a click on a button's last device pixel reaches the button; the menu's own cursor is
// blown up alike; and without --scale the windows follow the screen's pixel ratio rounded down
// to a whole number.

#include <signal.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QImage>
#include <QRect>

#include "app/player_process.h"
#include "graphics/picture_decoder.h"
#include "graphics/qt_seam.h"
#include "real_screen.h"
#include "server_cursor.h"
#include "support/test_data.h"
#include "x11_fixture.h"
#include "xvfb_server.h"

namespace fs = std::filesystem;

namespace {

// The fixture's window: a 64 x 40 picture cut to its shape, whose button "Go" covers columns 16
// to 43 and rows 12 to 27 and turns to the page "Two".
const std::string kMenu = std::string(TELVO_FIXTURE_DIR) + "/scaled_menu.kiv";
constexpr int kMenuWidth = 64;
constexpr int kMenuHeight = 40;
// A white 64 x 48 window whose own cursor is icons/horse-1bit.cur.
const std::string kCursorMenu = std::string(TELVO_FIXTURE_DIR) + "/cursor_menu.kiv";

// picture with each pixel a scale x scale block, opaque; where picture is transparent (outside
// the window's shape) the screen's own background shows.
QImage BlownUp(const QImage& picture, int scale, const QImage& background) {
  QImage large(picture.width() * scale, picture.height() * scale, QImage::Format_RGB32);
  for (int y = 0; y < large.height(); ++y)
    for (int x = 0; x < large.width(); ++x) {
      const QRgb pixel = picture.pixel(x / scale, y / scale);
      large.setPixel(x, y, qAlpha(pixel) == 0 ? background.pixel(x, y) : pixel | 0xFF000000u);
    }
  return large;
}

// picture with each pixel a scale x scale block, alpha kept, premultiplied as a server's cursor is.
QImage BlockCursor(const QImage& picture, int scale) {
  QImage large(picture.width() * scale, picture.height() * scale, QImage::Format_ARGB32);
  for (int y = 0; y < large.height(); ++y)
    for (int x = 0; x < large.width(); ++x) large.setPixel(x, y, picture.pixel(x / scale, y / scale));
  return large.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Whether pixel is a mix of the colours a and b: each channel a + t * (b - a) for one t from 0
// to 1, within rounding.
bool MixOf(QRgb pixel, QRgb a, QRgb b) {
  const int channels[3][3] = {{qRed(pixel), qRed(a), qRed(b)},
                              {qGreen(pixel), qGreen(a), qGreen(b)},
                              {qBlue(pixel), qBlue(a), qBlue(b)}};
  const auto widest = std::max_element(std::begin(channels), std::end(channels), [](const auto& l, const auto& r) {
    return std::abs(l[2] - l[1]) < std::abs(r[2] - r[1]);
  });
  if ((*widest)[2] == (*widest)[1]) return (pixel & 0xFFFFFF) == (a & 0xFFFFFF);
  const double t = double((*widest)[0] - (*widest)[1]) / ((*widest)[2] - (*widest)[1]);
  if (t < 0 || t > 1) return false;
  return std::all_of(std::begin(channels), std::end(channels),
                     [t](const auto& c) { return std::abs(c[1] + t * (c[2] - c[1]) - c[0]) <= 2; });
}

class ScaledPlayer : public testing::Test {
 protected:
  void SetUp() override {
    if (XServerDisplay().empty()) GTEST_SKIP() << XServerSkipReason();
    m_folder = fs::path(testing::TempDir()) /
               ("scaled_player_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }
  void TearDown() override { Stop(); }

  // Plays the menu with arguments on display (the tests' X server unless given), with the extra
  // environment.
  pid_t Play(const std::vector<std::string>& arguments,
             std::vector<std::pair<std::string, std::string>> environment = {}) {
    environment.insert(environment.begin(), {"QT_QPA_PLATFORM", "xcb"});
    environment.insert(environment.begin(), {"DISPLAY", XServerDisplay()});
    m_player = StartPlayer({.arguments = arguments, .folder = m_folder / "play", .environment = environment});
    return m_player;
  }
  void Stop() {
    if (m_player <= 0) return;
    kill(m_player, SIGTERM);
    WaitForPlayer(m_player);
    m_player = 0;
  }

  // telvo --render with arguments, read back.
  QImage Render(const std::vector<std::string>& arguments) {
    const fs::path image = m_folder / "render.png";
    fs::remove(image);
    std::vector<std::string> all = {"--render", image.string()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const pid_t pid = StartPlayer({.arguments = all, .folder = m_folder / "render"});
    EXPECT_EQ(WaitForPlayer(pid), 0) << PlayerOutput(m_folder / "render");
    return QImage(QString::fromStdString(image.string())).convertToFormat(QImage::Format_ARGB32);
  }

  // The player's window on the server that observer looks at, once it is mapped.
  std::optional<TWindowGeometry> ShownWindow(TX11Observer& observer) {
    xcb_window_t window = 0;
    if (!Eventually([&] { return (window = observer.ViewableWindowOf(m_player)) != 0; })) return std::nullopt;
    return observer.Geometry(window);
  }

  // Looks at the server's image of area until it is expected; on failure writes both and counts
  // the differing pixels.
  testing::AssertionResult ScreenShows(const QRect& area, const QImage& expected, const std::string& name) {
    QImage screen;
    const bool same = Eventually([&] { return (screen = GrabScreen(area)) == expected; });
    if (same) return testing::AssertionSuccess();
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < expected.width(); ++x)
        differing += !screen.valid(x, y) || screen.pixel(x, y) != expected.pixel(x, y);
    screen.save(QString::fromStdString((m_folder / (name + "-screen.png")).string()));
    expected.save(QString::fromStdString((m_folder / (name + "-expected.png")).string()));
    return testing::AssertionFailure() << name << ": " << differing << " pixels differ (images in " << m_folder << ")";
  }

  fs::path m_folder;
  pid_t m_player = 0;
};

TEST_F(ScaledPlayer, AtScaleTwoTheWindowIsTheRenderBlownUpAndClicksReachTheControlsUnderThem) {
  TX11Observer observer(XServerDisplay());
  ASSERT_TRUE(observer.Connected());
  // The pointer waits in a corner, away from the window, so no control turns hot before the click.
  ASSERT_TRUE(observer.MovePointer(0, 0));
  const QImage background = GrabScreen(QRect(0, 0, 1024, 768));
  const QImage firstPage = Render({kMenu});
  const QImage secondPage = Render({"-p", "Two", kMenu});
  ASSERT_EQ(firstPage.size(), QSize(kMenuWidth, kMenuHeight));
  ASSERT_NE(firstPage, secondPage);

  Play({"--scale", "2", kMenu});
  const std::optional<TWindowGeometry> window = ShownWindow(observer);
  ASSERT_TRUE(window) << PlayerOutput(m_folder / "play");
  ASSERT_EQ(window->width, 2 * kMenuWidth);
  ASSERT_EQ(window->height, 2 * kMenuHeight);
  const QRect area(window->x, window->y, window->width, window->height);
  // Every pixel a 2 x 2 block of its own colour, and the background showing through exactly the
  // blocks outside the shape: the shape's edges lie on 2-pixel steps.
  EXPECT_TRUE(ScreenShows(area, BlownUp(firstPage, 2, background.copy(area)), "first-page"));

  // The button's last column (43) is device columns 86 and 87; the second lies at 43.5 in the
  // window's own pixels, which is still the button's.
  ASSERT_TRUE(observer.MovePointer(static_cast<int16_t>(window->x + 87), static_cast<int16_t>(window->y + 40)));
  ASSERT_TRUE(observer.ClickButton(1));
  EXPECT_TRUE(ScreenShows(area, BlownUp(secondPage, 2, background.copy(area)), "second-page"));
}

// A hint over the scaled window, with no compositor, is its balloon drawn over a copy of the
// screen behind it: the copy is read in the window's pixels, so around the balloon the screen
// shows exactly what it showed before.
TEST_F(ScaledPlayer, AHintAtScaleTwoShowsTheScreenBehindItAroundItsBalloon) {
  TX11Observer observer(XServerDisplay());
  ASSERT_TRUE(observer.Connected());
  ASSERT_TRUE(observer.MovePointer(0, 0));
  const QRect screen(0, 0, 1024, 768);
  const QImage background = GrabScreen(screen);
  const QImage firstPage = Render({kMenu});
  Play({"--scale", "2", kMenu});
  const std::optional<TWindowGeometry> window = ShownWindow(observer);
  ASSERT_TRUE(window) << PlayerOutput(m_folder / "play");
  const QRect area(window->x, window->y, window->width, window->height);
  ASSERT_TRUE(ScreenShows(area, BlownUp(firstPage, 2, background.copy(area)), "menu"));
  const QImage before = GrabScreen(screen);

  // The button "Tip" covers columns 46 to 53 and rows 14 to 21; its face may change under the
  // pointer.
  const QRect tip(area.x() + 2 * 46, area.y() + 2 * 14, 2 * 8, 2 * 8);
  ASSERT_TRUE(observer.MovePointer(static_cast<int16_t>(tip.center().x()), static_cast<int16_t>(tip.center().y())));
  const QRgb yellow = qRgb(255, 255, 0);
  const QRgb blue = qRgb(0, 0, 255);
  QImage after;
  ASSERT_TRUE(Eventually([&] {
    after = GrabScreen(screen);
    int balloon = 0;
    for (int y = 0; y < after.height(); ++y)
      for (int x = 0; x < after.width(); ++x) balloon += after.pixel(x, y) == yellow;
    return balloon > 200;
  })) << "no hint came up";
  // Every pixel that changed is the balloon's: its fill or its border and text, or where its
  // edges are smoothed, a mix of those with each other or with what the screen showed there.
  int elsewhere = 0;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x) {
      const QRgb now = after.pixel(x, y);
      const QRgb was = before.pixel(x, y);
      elsewhere += now != was && !tip.contains(x, y) && !MixOf(now, was, yellow) && !MixOf(now, was, blue) &&
                   !MixOf(now, yellow, blue);
    }
  if (elsewhere > 0) {
    before.save(QString::fromStdString((m_folder / "hint-before.png").string()));
    after.save(QString::fromStdString((m_folder / "hint-after.png").string()));
  }
  EXPECT_EQ(elsewhere, 0) << "pixels neither the balloon's nor the screen's before (images in " << m_folder << ")";
}

// The menu's cursor over its window, as the server shows it: at scale 2 each stored pixel is a
// 2 x 2 block (the transparent ones too) and the hot spot lies on the top-left pixel of the stored
// hot spot's block, so the pointer is over the pixel the author drew as the hot spot; at scale 1
// it is the stored cursor as it stands.
TEST_F(ScaledPlayer, TheMenusCursorIsTheStoredOneBlownUpWithItsHotSpotOnItsBlock) {
  const std::optional<std::vector<TCursorFrame>> stored = DecodeCursor(ReadTestFile("icons/horse-1bit.cur"));
  ASSERT_TRUE(stored && stored->size() == 1u);
  const TCursorFrame& frame = stored->front();
  ASSERT_EQ(frame.image.Width(), 32);
  ASSERT_EQ(frame.hotSpot.x, 16);
  ASSERT_EQ(frame.hotSpot.y, 23);
  const QImage picture = WrapAsQImage(frame.image.View()).copy();
  TX11Observer observer(XServerDisplay());
  ASSERT_TRUE(observer.Connected());
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(testing::Message() << "scale " << scale);
    ASSERT_TRUE(observer.MovePointer(0, 0));
    Play({"--scale", std::to_string(scale), kCursorMenu});
    const std::optional<TWindowGeometry> window = ShownWindow(observer);
    ASSERT_TRUE(window) << PlayerOutput(m_folder / "play");
    ASSERT_EQ(window->width, scale * 64);
    ASSERT_TRUE(observer.MovePointer(static_cast<int16_t>(window->x + window->width / 2),
                                     static_cast<int16_t>(window->y + window->height / 2)));
    const QImage expected = BlockCursor(picture, scale);
    const QPoint expectedHotSpot(scale * frame.hotSpot.x, scale * frame.hotSpot.y);
    std::optional<TServerCursor> shown;
    Eventually([&] {
      shown = ServerCursor(XServerDisplay());
      return shown && shown->image == expected && shown->hotSpot == expectedHotSpot;
    });
    ASSERT_TRUE(shown) << "the server tells no cursor";
    ASSERT_EQ(std::pair(shown->image.width(), shown->image.height()), std::pair(expected.width(), expected.height()));
    EXPECT_EQ(shown->hotSpot, expectedHotSpot);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y)
      for (int x = 0; x < expected.width(); ++x) differing += shown->image.pixel(x, y) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels differ from the stored cursor blown up";
    Stop();
  }
}

// The scale the player's windows get from the screen (its logical dots per inch, as the X
// resource Xft.dpi gives them, over 96), from --scale, or from the user's own QT_SCALE_FACTOR.
TEST_F(ScaledPlayer, WindowsFollowTheScreensRatioRoundedDownUnlessAScaleIsGiven) {
  // A server of its own: the tests' application would follow the changed resource too.
  std::string reason;
  const std::unique_ptr<TXvfbServer> server = TXvfbServer::Start(&reason);
  ASSERT_TRUE(server) << reason;
  TX11Observer observer(server->Display());
  ASSERT_TRUE(observer.Connected());
  struct TCase {
    int dpi;
    std::vector<std::string> options;
    std::vector<std::pair<std::string, std::string>> environment;
    int scale;
  };
  const TCase cases[] = {
      {96, {}, {}, 1},
      {120, {}, {}, 1},  // 1.25
      {144, {}, {}, 1},  // 1.5
      {192, {}, {}, 2},
      {240, {}, {}, 2},  // 2.5
      {192, {"--scale", "1"}, {}, 1},
      {96, {"--scale", "3"}, {{"QT_SCALE_FACTOR", "2"}}, 3},
      {96, {}, {{"QT_SCALE_FACTOR", "2"}}, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << testing::PrintToString(c.options));
    observer.SetStringProperty(observer.Root(), "RESOURCE_MANAGER", "Xft.dpi:\t" + std::to_string(c.dpi) + "\n");
    std::vector<std::string> arguments = c.options;
    arguments.push_back(kMenu);
    std::vector<std::pair<std::string, std::string>> environment = c.environment;
    environment.emplace_back("DISPLAY", server->Display());
    Play(arguments, environment);
    const std::optional<TWindowGeometry> window = ShownWindow(observer);
    ASSERT_TRUE(window) << PlayerOutput(m_folder / "play");
    EXPECT_EQ(window->width, c.scale * kMenuWidth);
    EXPECT_EQ(window->height, c.scale * kMenuHeight);
    Stop();
  }
}

}  // namespace
