#include <QIcon>
#include <QPixmap>

#include "graphics/qt_seam.h"
#include "platform/cursor_table.h"
#include "platform/menu_window_fixture.h"
#include "platform/player_icon.h"

namespace {

using Look = MenuWindowTest;

TBitmap32 Filled(int width, int height, TPixel32 pixel) { return TBitmap32(width, height, pixel); }

QRgb PixelOf(const QPixmap& pixmap, int x, int y) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32).pixel(x, y); }

// --- painting ---

TEST_F(Look, PaintHandlerFillsTheSurfaceThatIsShown) {
  std::vector<TRect> areas;
  TMenuWindowHandlers handlers;
  handlers.paint = [&](const TBitmapView& surface, const TRect& area) {
    areas.push_back(area);
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) surface.At(x, y) = MakePixel(static_cast<uint8_t>(x), 0, 200);
  };
  window.SetHandlers(handlers);
  window.SetBorder(TBorderKind::SingleFixed);
  window.SetClientSize(120, 60);
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(120, 60));
  for (int x : {0, 7, 119}) EXPECT_EQ(shown.pixel(x, 30), qRgb(x, 0, 200)) << x;
  ASSERT_FALSE(areas.empty());
  EXPECT_EQ(areas.back(), TRect::FromSize(0, 0, 120, 60));
  EXPECT_EQ(window.Surface().Width(), 120);
}

TEST_F(Look, ImmediateInvalidatePaintsAtOnceOtherwiseLater) {
  std::vector<TRect> areas;
  TMenuWindowHandlers handlers;
  handlers.paint = [&](const TBitmapView&, const TRect& area) { areas.push_back(area); };
  window.SetHandlers(handlers);
  ShowAt(0, 0, 100, 100);
  telvo_test::ProcessEventsFor(50);
  areas.clear();

  window.Invalidate(TRect{10, 10, 30, 20}, true);
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas[0], (TRect{10, 10, 30, 20}));

  areas.clear();
  window.Invalidate(TRect{90, 90, 150, 150}, false);  // clipped to the client area
  EXPECT_TRUE(areas.empty());
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !areas.empty(); }));
  EXPECT_EQ(areas[0], (TRect{90, 90, 100, 100}));
}

// --- icons ---

TEST_F(Look, IconImagesBecomeTheWindowIcon) {
  window.SetIcon({Filled(32, 32, MakePixel(255, 0, 0)), Filled(16, 16, MakePixel(0, 0, 255))});
  const QIcon icon = window.windowIcon();
  EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
  EXPECT_EQ(PixelOf(icon.pixmap(32, 32), 5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOf(icon.pixmap(16, 16), 5, 5), qRgb(0, 0, 255));
}

TEST_F(Look, NoUsableIconImageGivesThePlayersOwnIcon) {
  const QImage expected = DefaultPlayerIcon().pixmap(32, 32).toImage();
  for (const std::vector<TBitmap32>& images : {std::vector<TBitmap32>{}, std::vector<TBitmap32>{TBitmap32{}}}) {
    window.SetIcon({Filled(32, 32, MakePixel(255, 0, 0))});
    window.SetIcon(images);
    EXPECT_EQ(window.windowIcon().pixmap(32, 32).toImage(), expected);
  }
}

TEST(PlayerIcon, HasSmallAndLargeSizesWithTransparentCornersAndAnOpaqueMiddle) {
  telvo_test::TestApplication("offscreen");
  const QIcon icon = DefaultPlayerIcon();
  for (int side : {16, 32, 48}) {
    SCOPED_TRACE(side);
    ASSERT_TRUE(icon.availableSizes().contains(QSize(side, side)));
    const QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(side / 2, side / 4)), 255);
  }
}

// --- cursors ---

TCursorImage Frame(TPixel32 pixel, TPoint hotSpot = {3, 4}, int32_t delayMs = 0) {
  return {Filled(16, 16, pixel), hotSpot, delayMs};
}

QRgb CursorPixel(const QCursor& cursor) { return PixelOf(cursor.pixmap(), 8, 8); }

TEST_F(Look, CursorNumbersStartAsTheSystemCursors) {
  const std::pair<TCursor, Qt::CursorShape> cases[] = {
      {kCursorNormal, Qt::ArrowCursor}, {kCursorHot, Qt::ArrowCursor}, {kCursorEdit, Qt::IBeamCursor},
      {crDefault, Qt::ArrowCursor},     {crHandPoint, Qt::PointingHandCursor}, {crIBeam, Qt::IBeamCursor},
      {-1, Qt::BlankCursor},            {-22, Qt::SizeAllCursor},           {-23, Qt::ArrowCursor},
      {1234, Qt::ArrowCursor}};
  for (const auto& [number, shape] : cases) {
    SCOPED_TRACE(number);
    window.SetWindowCursor(number);
    EXPECT_EQ(window.cursor().shape(), shape);
  }
}

TEST_F(Look, DefinedCursorShowsItsImageAndHotSpotAndEmptyFramesGiveTheSystemOneBack) {
  window.SetWindowCursor(kCursorNormal);
  window.DefineCursor(kCursorNormal, {Frame(MakePixel(0, 255, 0))});
  EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(window.cursor().hotSpot(), QPoint(3, 4));
  EXPECT_EQ(CursorPixel(window.cursor()), qRgb(0, 255, 0));

  window.DefineCursor(kCursorEdit, {});
  window.SetWindowCursor(kCursorEdit);
  EXPECT_EQ(window.cursor().shape(), Qt::IBeamCursor);
  window.DefineCursor(kCursorNormal, {});
  window.SetWindowCursor(kCursorNormal);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Look, UnusableCursorFramesKeepTheOldCursor) {
  window.SetWindowCursor(kCursorHot);
  window.DefineCursor(kCursorHot, {Frame(MakePixel(0, 255, 0))});
  const std::vector<TCursorImage> unusable[] = {
      {TCursorImage{}},
      {Frame(MakePixel(9, 9, 9)), TCursorImage{Filled(kMaxCursorSide + 1, 8, 0), {}, 0}},
  };
  for (const std::vector<TCursorImage>& frames : unusable) {
    window.DefineCursor(kCursorHot, frames);
    EXPECT_EQ(CursorPixel(window.cursor()), qRgb(0, 255, 0));
  }
}

TEST_F(Look, HotSpotOutsideTheImageIsMovedToItsEdge) {
  window.SetWindowCursor(kCursorNormal);
  window.DefineCursor(kCursorNormal, {Frame(MakePixel(1, 2, 3), {40, -7})});
  EXPECT_EQ(window.cursor().hotSpot(), QPoint(15, 0));
}

TEST_F(Look, PointerCursorOverridesTheWindowsUntilSetBackToDefault) {
  window.DefineCursor(kCursorHot, {Frame(MakePixel(255, 0, 255))});
  window.SetWindowCursor(kCursorNormal);
  window.SetPointerCursor(kCursorHot);
  EXPECT_EQ(CursorPixel(window.cursor()), qRgb(255, 0, 255));
  window.SetPointerCursor(crIBeam);
  EXPECT_EQ(window.cursor().shape(), Qt::IBeamCursor);
  window.SetPointerCursor(crDefault);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
  // Redefining the cursor in force shows the new one at once.
  window.SetPointerCursor(kCursorHot);
  window.DefineCursor(kCursorHot, {Frame(MakePixel(0, 0, 255))});
  EXPECT_EQ(CursorPixel(window.cursor()), qRgb(0, 0, 255));
}

TEST_F(Look, AnimatedCursorCyclesThroughItsFrames) {
  const TPixel32 colours[] = {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255)};
  window.DefineCursor(kCursorNormal, {Frame(colours[0], {1, 1}, 40), Frame(colours[1], {2, 2}, 40),
                                      Frame(colours[2], {3, 3}, 40)});
  window.SetWindowCursor(kCursorNormal);
  EXPECT_EQ(CursorPixel(window.cursor()), qRgb(255, 0, 0));
  std::vector<QRgb> seen;
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    const QRgb now = CursorPixel(window.cursor());
    if (seen.empty() || seen.back() != now) seen.push_back(now);
    return seen.size() >= 4;
  }));
  EXPECT_EQ(seen, (std::vector<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 0, 0)}));
  EXPECT_EQ(window.cursor().hotSpot(), QPoint(1, 1));

  // A still cursor stops the animation.
  window.SetWindowCursor(crArrow);
  telvo_test::ProcessEventsFor(80);
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
