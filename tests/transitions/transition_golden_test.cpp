// Golden frames: one style of each family at a quarter, half and three quarters of the way, from
// the old test picture to the new one (64 x 48), drawn by the same function as telvo
// --transition. TELVO_UPDATE_GOLDEN=1 writes the expected images.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/golden_image.h"
#include "test_pictures.h"
#include "transitions/frame_builder.h"
#include "transitions/transition_styles.h"

namespace {

namespace fs = std::filesystem;

// Rectangles (expand, unroll), curved reveal, bars, criss-cross, shreds, diagonals, triangular
// shred, fade, pivot, speckles, random squares, push and squeeze, blind, rectangles, sweep,
// rotation.
constexpr int32_t kStyles[] = {10, 14, 57, 83, 85, 62, 90, 108, 116, 117, 118, 119, 123, 127, 130, 137, 146, 143, 150};

class TransitionGolden : public testing::TestWithParam<int32_t> {};

TEST_P(TransitionGolden, FramesMatchTheirImages) {
  const int32_t style = GetParam();
  const TBitmap32 oldPicture = OldTestPicture(64, 48);
  const TBitmap32 newPicture = NewTestPicture(64, 48);
  for (const int32_t progress : {25, 50, 75}) {
    SCOPED_TRACE(progress);
    // The tool's generator starts from seed 0 for every frame.
    TSeededRandom random(0);
    TBitmap32 frame;
    ASSERT_EQ(BuildTransitionFrame(frame, style, progress, 4, oldPicture, newPicture, random),
              TFrameBuildResult::fbDrawn);
    const std::string name = "transition_" + std::to_string(style) + "_" + std::to_string(progress);
    EXPECT_TRUE(MatchesGoldenImage(frame, fs::path(TELVO_GOLDEN_DIR) / name, fs::path(testing::TempDir()) / name));
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, TransitionGolden, testing::ValuesIn(kStyles));

}  // namespace
