#include "controls/image.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "graphics/canvas.h"
#include "stored_defaults.h"
#include "test_pictures.h"

TEST(Image, StartsAutoSizedAndOpaque) {
  ExpectFreshObjectHoldsStreamDefaults(TKIVImage::StaticClass(), {});
  TKIVImage image;
  EXPECT_TRUE(image.AutoSize());
  EXPECT_EQ(image.Width(), 105);
  EXPECT_EQ(image.Height(), 105);
  EXPECT_EQ(image.Opacity(), 100);
  EXPECT_TRUE(image.Pic()->Empty());
}

TEST(Image, OpacityIsClampedAndAutoSizeCanBeSwitchedOff) {
  TKIVImage image;
  EXPECT_EQ(SetAndRead(image, "Opacity", -20), 0);
  EXPECT_EQ(SetAndRead(image, "Opacity", 250), 100);
  EXPECT_EQ(SetAndRead(image, "AutoSize", 0), 0);
  EXPECT_FALSE(image.AutoSize());
}

namespace {

// An image on a parent that counts the repaints asked for, showing a 2 x 1 bitmap at a size
// the bitmap does not have.
struct TImageOnParent {
  TWinControl window;
  TKIVImage image;
  int invalidations = 0;
  TImageOnParent() {
    window.SetOnInvalidate([this](int32_t, int32_t, int32_t, int32_t) { ++invalidations; });
    image.SetParent(&window);
    TPicture picture;
    SetBitmap(picture, 2, 1, {clRed, clBlue});
    image.SetPic(picture);
    image.SetBounds(0, 0, 40, 30);
    invalidations = 0;
  }
};

}  // namespace

TEST(Image, ChangedPlacementSettingsResizeToThePictureAndRepaintAtOnce) {
  struct Case {
    const char* name;
    int64_t value;
  };
  for (const Case c : {Case{"Tile", 1}, Case{"Center", 1}, Case{"Stretch", 1}, Case{"Transparent", 1},
                       Case{"Opacity", 50}}) {
    SCOPED_TRACE(c.name);
    TImageOnParent fixture;
    SetAndRead(fixture.image, c.name, c.value);
    EXPECT_EQ(fixture.image.Width(), 2);
    EXPECT_EQ(fixture.image.Height(), 1);
    EXPECT_GT(fixture.invalidations, 0);
    fixture.image.SetBounds(0, 0, 40, 30);
    fixture.invalidations = 0;
    SetAndRead(fixture.image, c.name, c.value);
    EXPECT_EQ(fixture.invalidations, 0) << "an unchanged value repainted";
    EXPECT_EQ(fixture.image.Width(), 40) << "an unchanged value resized";
  }
}

TEST(Image, KeepAspectRatioMattersOnlyWhileStretchedAndAutoSizeResizesWhenSwitchedOn) {
  TImageOnParent fixture;
  SetAndRead(fixture.image, "KeepAspectRatio", 1);
  EXPECT_EQ(fixture.invalidations, 0);
  EXPECT_EQ(fixture.image.Width(), 40);
  SetAndRead(fixture.image, "AutoSize", 0);
  SetAndRead(fixture.image, "Stretch", 1);
  fixture.invalidations = 0;
  SetAndRead(fixture.image, "KeepAspectRatio", 0);
  EXPECT_GT(fixture.invalidations, 0);
  EXPECT_EQ(fixture.image.Width(), 40) << "resized with AutoSize off";
  SetAndRead(fixture.image, "AutoSize", 1);
  EXPECT_EQ(fixture.image.Width(), 2);
  EXPECT_EQ(fixture.image.Height(), 1);
}

TEST(Image, OnChangeFollowsEveryPictureChangeAndOnAnimateSeesEachComposedFrame) {
  TImageOnParent fixture;
  TKIVImage& image = fixture.image;
  std::vector<std::pair<int32_t, int32_t>> changes;  // the size the image had when OnChange ran
  image.SetOnChange([&](TKIVImage& changed) { changes.emplace_back(changed.Width(), changed.Height()); });
  std::vector<int32_t> animated;  // the frame index and the composed frame's width per OnAnimate
  image.SetOnAnimate([&](TKIVImage& shown, const TBitmap32& frame) {
    animated.push_back(shown.CurrentFrame());
    EXPECT_EQ(frame.Width(), 2);
  });
  TBitmap32 target(2, 2);
  TCanvas canvas(target.View());
  image.Paint(canvas);
  EXPECT_TRUE(animated.empty()) << "a still picture raised OnAnimate";

  TPicture gif;
  SetTestDataPicture(gif, TPictureFormat::Gif, "gif/gif-test-suite/animation.gif");
  image.SetPic(gif);
  ASSERT_TRUE(image.Animated());
  EXPECT_EQ(changes, (std::vector<std::pair<int32_t, int32_t>>{{2, 2}}));
  image.Paint(canvas);
  image.AnimationTick();
  image.Paint(canvas);
  EXPECT_EQ(animated, (std::vector<int32_t>{0, 1}));
  image.Pic()->Clear();  // replaced behind the image's back: the next paint notices
  image.Paint(canvas);
  EXPECT_EQ(changes.size(), 2u);
  EXPECT_EQ(animated.size(), 2u);
}
