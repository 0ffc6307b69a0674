// Painting the page controls. Goals: repainting one hovered cool button (200 x 60, nine-slice
// PNG skin with alpha) under 1 ms; a whole 1024 x 768 page of 50 mixed controls under 16 ms
// (one frame at 60 Hz); one step of a 20-frame 640 x 480 GIF animation under 2 ms.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "controls/button.h"
#include "controls/cool_button.h"
#include "controls/cool_label.h"
#include "controls/hot_label.h"
#include "controls/shape.h"
#include "graphics/gif_animator.h"
#include "graphics/raster.h"
#include "support/gui_application.h"
#include "window/control_composite.h"
#include "window/menu_form.h"
#include "window/window_paint.h"

namespace {

// Makes skin a three-frame 60 x 72 PNG: rounded frames with soft, transparent corners.
void SetAlphaSkin(TPicture& skin) {
  QImage image(60, 72, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int frame = 0; frame < 3; ++frame) {
    painter.setBrush(QColor(40 + 50 * frame, 90, 200));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.5, frame * 24 + 0.5, 59, 23), 8, 8);
  }
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  skin.SetGraphic(TPictureFormat::Png, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

// A menu window with a gradient background.
std::unique_ptr<TKIVForm> MakeForm(int32_t width, int32_t height) {
  auto form = std::make_unique<TKIVForm>();
  form->SetClientWidth(width);
  form->SetClientHeight(height);
  form->SetBounds(0, 0, width, height);
  form->SetBackGround(TKIVFillStyle::afsGradient);
  return form;
}

void BM_HoveredCoolButtonRepaint(benchmark::State& state) {
  EnsureGuiApplication();
  auto form = MakeForm(400, 200);
  auto* button = new TKIVCoolButton;
  button->SetParent(form.get());
  TPicture skin;
  SetAlphaSkin(skin);
  button->SetPicture(skin);
  button->SetBounds(100, 70, 200, 60);
  button->SetCaption("Hovered");
  button->MouseEnter();
  TBitmap32 target(400, 200);
  PaintMenuWindow(*form, target.View());
  for (auto _ : state) {
    TCanvas canvas(target.View());
    PaintChildControl(canvas, *button);
    benchmark::DoNotOptimize(target.Pixels().data());
  }
}
BENCHMARK(BM_HoveredCoolButtonRepaint)->Unit(benchmark::kMicrosecond);

void BM_PageOfFiftyControls(benchmark::State& state) {
  EnsureGuiApplication();
  auto form = MakeForm(1024, 768);
  TPicture skin;
  SetAlphaSkin(skin);
  for (int i = 0; i < 50; ++i) {
    const int32_t left = 20 + (i % 5) * 200, top = 20 + (i / 5) * 74;
    TControl* control = nullptr;
    switch (i % 5) {
      case 0: {
        auto* c = new TKIVCoolButton;
        c->SetPicture(skin);
        control = c;
        break;
      }
      case 1: control = new TKIVButton; break;
      case 2: control = new TKIVHotLabel; break;
      case 3: {
        auto* s = new TKIVShape;
        s->SetShadowOffset(4);
        control = s;
        break;
      }
      default: control = new TKIVCoolLabel; break;
    }
    control->SetParent(form.get());
    control->SetBounds(left, top, 180, 60);
    control->SetCaption("Control " + std::to_string(i));
  }
  TBitmap32 target(1024, 768);
  PaintMenuWindow(*form, target.View());  // settles the auto-sized controls
  for (auto _ : state) {
    PaintMenuWindow(*form, target.View());
    benchmark::DoNotOptimize(target.Pixels().data());
  }
}
BENCHMARK(BM_PageOfFiftyControls)->Unit(benchmark::kMillisecond);

// A 640 x 480 GIF of 20 frames: a full first frame, then a 160 x 120 block moving across,
// disposed to the background after each frame. Each step composes the next frame and shows it.
void BM_GifFrameStep(benchmark::State& state) {
  TDecodedPicture gif;
  gif.format = TPictureFormat::Gif;
  gif.screenWidth = 640;
  gif.screenHeight = 480;
  gif.frames.push_back({TBitmap32(640, 480, MakePixel(0, 0, 200)), {0, 0, 640, 480}, 100, 1, -1});
  for (int i = 1; i < 20; ++i) {
    const TRect area = TRect::FromSize(i * 24, i * 18, 160, 120);
    gif.frames.push_back({TBitmap32(160, 120, MakePixel(200, 0, 0)), area, 100, 2, -1});
  }
  TGifAnimator animator;
  TBitmap32 target(640, 480);
  int32_t frame = 0;
  for (auto _ : state) {
    frame = (frame + 1) % 20;
    const TBitmap32& composed = animator.Compose(gif, frame);
    CopyRect(target.View(), {0, 0}, composed.View());
    benchmark::DoNotOptimize(target.Pixels().data());
  }
}
BENCHMARK(BM_GifFrameStep)->Unit(benchmark::kMicrosecond);

}  // namespace
