// The text animator at Speed 100, where the timer asks for a tick every step of 15.625 ms: one
// tick and the paint of the menu window that shows it (a 400 x 80 window with one animator of
// 19 letters over a gradient) must stay far below that step.

#include <benchmark/benchmark.h>

#include "controls/text_animator.h"
#include "support/gui_application.h"
#include "window/menu_context.h"
#include "window/menu_form.h"
#include "window/window_paint.h"

namespace {

void BM_TextAnimatorTickAndPaint(benchmark::State& state) {
  EnsureGuiApplication();
  TKIVForm form;
  form.SetClientWidth(400);
  form.SetClientHeight(80);
  form.SetBounds(0, 0, 400, 80);
  form.SetBackGround(TKIVFillStyle::afsGradient);
  auto* animator = new TKIVTextAnimator;
  animator->SetParent(&form);
  animator->SetCaption("Welcome to the menu");
  animator->SetSpeed(100);
  animator->SeedRandom(1);
  TVirtualTimerSource clock;
  const TServicesBinding binding(form.Context(), {.timers = &clock});
  form.SetActivePage(0);
  TBitmap32 target(400, 80);
  for (auto _ : state) {
    clock.AdvanceTo(clock.NowMs() + kTimerStepMs);
    PaintMenuWindow(form, target.View());
    benchmark::DoNotOptimize(target.At(0, 0));
  }
}
BENCHMARK(BM_TextAnimatorTickAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
