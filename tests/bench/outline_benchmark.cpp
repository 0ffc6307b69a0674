// Outlined text. Goal: the time per painted pixel does not grow with the outline width, so a
// repaint of a cool label stays well under a frame (16 ms) at every width the setter accepts.

#include <benchmark/benchmark.h>

#include "controls/cool_label.h"
#include "graphics/text_layers.h"
#include "support/gui_application.h"
#include "window/control_composite.h"
#include "window/menu_form.h"
#include "window/window_paint.h"

namespace {

// One repaint of a cool label "Outline" (Times New Roman, bold, 20 pixels) with a plain face and
// an outline of the benchmark's width, auto-sized, on a gradient window. Widths above the
// setter's bound paint as the bound.
void BM_CoolLabelOutlineRepaint(benchmark::State& state) {
  EnsureGuiApplication();
  auto form = std::make_unique<TKIVForm>();
  form->SetClientWidth(800);
  form->SetClientHeight(800);
  form->SetBounds(0, 0, 800, 800);
  form->SetBackGround(TKIVFillStyle::afsGradient);
  auto* label = new TKIVCoolLabel;
  label->SetParent(form.get());
  label->SetCaption("Outline");
  label->Font()->SetHeight(-20);
  const TClassInfo& cls = TKIVCoolLabel::StaticClass();
  cls.FindProperty("Style")->setOrdinal(*label, static_cast<int64_t>(TKIVCoolLabelStyle::aclOutLine));
  cls.FindProperty("FillStyle")->setOrdinal(*label, static_cast<int64_t>(TKIVFillStyle::afsNormal));
  label->SetOutLineWidth(static_cast<int32_t>(state.range(0)));
  TBitmap32 target(800, 800);
  PaintMenuWindow(*form, target.View());  // settles the auto-size
  for (auto _ : state) {
    TCanvas canvas(target.View());
    PaintChildControl(canvas, *label);
    benchmark::DoNotOptimize(target.Pixels().data());
  }
  state.counters["pixels"] = static_cast<double>(label->Width()) * label->Height();
}
BENCHMARK(BM_CoolLabelOutlineRepaint)->Arg(1)->Arg(10)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

// The outline layer alone, past the setter's bound: the same text grown by the benchmark's width
// and painted onto a surface of the outlined size.
void BM_TextMaskOutline(benchmark::State& state) {
  EnsureGuiApplication();
  const auto width = static_cast<int32_t>(state.range(0));
  TFont font;
  font.SetName("Times New Roman");
  font.SetHeight(-20);
  font.SetStyle(fsBold);
  const TTextMask mask(TCanvasFont::From(font), "Outline", 100, 24, DT_SINGLELINE | DT_NOCLIP, 0);
  TBitmap32 target(100 + 2 * width, 24 + 2 * width);
  for (auto _ : state) {
    mask.Dilated(width).PaintColour(target.View(), {width, width}, clNavy);
    benchmark::DoNotOptimize(target.Pixels().data());
  }
  state.counters["pixels"] = static_cast<double>(target.Width()) * target.Height();
}
BENCHMARK(BM_TextMaskOutline)->Arg(1)->Arg(10)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
