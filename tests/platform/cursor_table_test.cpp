// The menu's cursors at the window's scale: every frame blown up in blocks, alpha too, and built
// again when the scale changes. (The hot spot as the X server takes it is tested on the real
// server with the player; on this platform Qt takes it in device-independent pixels.)

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "platform/cursor_table.h"
#include "support/test_application.h"

namespace {

// A 3 x 2 frame whose pixels all differ, one of them transparent.
TCursorImage Frame(uint8_t red, TPoint hotSpot) {
  TCursorImage frame{TBitmap32(3, 2), hotSpot, 40};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      frame.image.At(x, y) = MakePixel(red, static_cast<uint8_t>(40 * x), static_cast<uint8_t>(90 * y));
  frame.image.At(1, 1) = MakePixel(0, 0, 0, 0);
  return frame;
}

// Whether cursor shows frame scale times as large, each pixel a block, at the ratio scale, with
// frame's hot spot in device-independent pixels.
testing::AssertionResult ShowsBlownUp(const QCursor& cursor, const TCursorImage& frame, int scale) {
  const QPixmap pixmap = cursor.pixmap();
  if (pixmap.size() != QSize(3 * scale, 2 * scale) || pixmap.devicePixelRatio() != scale)
    return testing::AssertionFailure() << "pixmap " << pixmap.width() << " x " << pixmap.height() << " at ratio "
                                       << pixmap.devicePixelRatio();
  if (cursor.hotSpot() != QPoint(frame.hotSpot.x, frame.hotSpot.y))
    return testing::AssertionFailure() << "hot spot " << cursor.hotSpot().x() << ", " << cursor.hotSpot().y();
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb wanted = frame.image.At(x / scale, y / scale);
      const QRgb shown = image.pixel(x, y);
      if (qAlpha(wanted) == 0 ? qAlpha(shown) != 0 : shown != wanted)
        return testing::AssertionFailure() << "pixel " << x << ", " << y << " is " << std::hex << shown;
    }
  return testing::AssertionSuccess();
}

TEST(CursorTable, EveryFrameIsBlownUpInBlocksAndBuiltAgainWhenTheScaleChanges) {
  telvo_test::TestApplication("offscreen");
  TQtCursorTable table;
  const std::vector<TCursorImage> animation = {Frame(200, {2, 1}), Frame(100, {0, 1})};
  const std::vector<TCursorImage> still = {Frame(50, {1, 0})};
  ASSERT_TRUE(table.Define(kCursorHot, animation));
  table.SetScale(3);
  ASSERT_TRUE(table.Define(kCursorNormal, still));
  // Scales outside 1 to kMaxCursorScale are held at its ends.
  const std::pair<int32_t, int32_t> scales[] = {{3, 3}, {2, 2}, {1, 1}, {0, 1}, {kMaxCursorScale + 5, kMaxCursorScale}};
  for (const auto& [asked, scale] : scales) {
    SCOPED_TRACE(testing::Message() << "scale " << asked);
    table.SetScale(asked);
    for (const auto& [number, frames] : {std::pair{kCursorHot, &animation}, std::pair{kCursorNormal, &still}}) {
      const std::vector<TQtCursorFrame>& built = table.Frames(number);
      ASSERT_EQ(built.size(), frames->size());
      for (size_t i = 0; i < built.size(); ++i) {
        EXPECT_TRUE(ShowsBlownUp(built[i].cursor, (*frames)[i], scale)) << "cursor " << number << " frame " << i;
        EXPECT_EQ(built[i].delayMs, 40);
      }
    }
  }
  // The system cursors stay Qt's shapes, which Qt scales itself.
  EXPECT_EQ(table.Frames(kCursorEdit).front().cursor.shape(), Qt::IBeamCursor);
}

}  // namespace
