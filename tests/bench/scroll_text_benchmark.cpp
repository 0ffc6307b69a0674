// The scroll text at Speed 100 ticks 64 times a second; each tick moves the block and repaints
// the panel. Goal: one tick and its paint of a 201 x 137 panel with eight lines and a shadow
// well under 1 ms, for the solid, gradient and see-through backgrounds alike.

#include <benchmark/benchmark.h>

#include "controls/scroll_text.h"
#include "graphics/canvas.h"
#include "support/gui_application.h"
#include "window/control_composite.h"
#include "window/menu_form.h"

namespace {

void BM_ScrollTextTickAndPaint(benchmark::State& state) {
  EnsureGuiApplication();
  TKIVForm form;
  form.SetClientWidth(400);
  form.SetClientHeight(300);
  form.SetBounds(0, 0, 400, 300);
  form.SetBackGround(TKIVFillStyle::afsGradient);
  auto* text = new TKIVScrollText;
  text->SetParent(&form);
  text->SetBounds(20, 20, 201, 137);
  text->SetSpeed(100);
  text->SetTextStyle(TKIVCoolButtonTextStyle::abtLowered);
  text->SetFillStyle(state.range(0) == 1 ? TKIVFillStyle::afsGradient : TKIVFillStyle::afsNormal);
  text->SetTransparent(state.range(0) == 2);
  TStrings lines;
  for (int i = 0; i < 8; ++i) lines.Add("Scrolling credits, line " + std::to_string(i + 1));
  text->SetStrings(lines);
  TBitmap32 target(400, 300);
  for (auto _ : state) {
    text->Tick();
    TCaptureScope scope;
    TCanvas canvas(target.View());
    PaintChildControl(canvas, *text);
    benchmark::DoNotOptimize(target.At(100, 100));
  }
}
// 0: solid colour, 1: gradient, 2: transparent.
BENCHMARK(BM_ScrollTextTickAndPaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
