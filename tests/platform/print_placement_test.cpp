// Where the printed window lands: scaled to the printer's resolution, shrunk to the printable
// area keeping its proportions, centred on the page.

#include <gtest/gtest.h>

#include "platform/qt_action_services.h"

namespace {

TEST(PrintPlacement, ScaledShrunkAndCentred) {
  // A4 at 600 dpi: 4961 x 7016 pixels, printable area 100 pixels in from each edge.
  const TPrintPlacement a4{4961, 7016, 100, 100, 600, 600, 96};
  struct TCase {
    int32_t width, height;
    QRect placed;
  };
  const TCase cases[] = {
      {640, 480, QRect(480, 2008, 4000, 3000)},  // 640 * 600 / 96 = 4000 fits
      {1024, 768, QRect(100, 1723, 4761, 3570)},  // 6400 wide: shrunk to 4761, 4800 * 4761 / 6400 high
      {300, 2000, QRect(1969, 100, 1022, 6816)},  // too high: shrunk to 6816 high
      {0, 0, QRect(2480, 3508, 0, 0)},
  };
  for (const TCase& c : cases) EXPECT_EQ(PlacePrintedPicture(c.width, c.height, a4), c.placed) << c.width;
}

}  // namespace
