// The full paint of a menu page with a gradient background: what the window does on a page
// switch or an uncovered window, at the two sizes menus are commonly made for.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/component.h"
#include "document/byte_source.h"
#include "document/component_reader.h"
#include "startup/main_window.h"
#include "document/text_form.h"
#include "support/gui_application.h"
#include "support/menu_registry.h"
#include "window/window_paint.h"

namespace {

// A page as menus have them: a radial gradient, a title and a column of eight labelled entries.
std::string PageText(int width, int height) {
  std::string text = "object frmDesign: TfrmDesign\n  ClientWidth = " + std::to_string(width) +
                     "\n  ClientHeight = " + std::to_string(height) +
                     "\n  BackGround = afsGradient\n  GradBeginColor = clNavy\n  GradEndColor = 16744576\n"
                     "  GradStyle = agsRadialC\n"
                     "  object Title: TKIVCoolLabel\n    Left = 40\n    Top = 30\n    Width = 600\n    Height = 60\n"
                     "    Caption = 'Welcome to the product disc'\n    Font.Height = -40\n    Font.Name = 'Arial'\n  end\n";
  for (int i = 0; i < 8; ++i)
    text += "  object Entry" + std::to_string(i) + ": TKIVHotLabel\n    Left = 60\n    Top = " +
            std::to_string(120 + i * 50) +
            "\n    Width = 300\n    Height = 36\n    Caption = 'Install the application'\n"
            "    Font.Height = -20\n    Font.Name = 'Tahoma'\n    ActionType = aatRunProgram\n  end\n";
  return text + "end\n";
}

void BM_PaintGradientPage(benchmark::State& state) {
  EnsureGuiApplication();
  TComponent application;
  TfrmMain* window = CreateMainWindow(application);
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const std::vector<uint8_t> stream = ObjectTextToBinary(PageText(width, height));
  TMemorySource source(stream);
  TStreamInput input(source);
  ReadRootComponent(input, *window, MenuRegistry());
  window->SetDesignMode(false);
  TBitmap32 target(width, height);
  for (auto _ : state) {
    PaintMenuWindow(*window, target.View());
    benchmark::DoNotOptimize(target.Pixels().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PaintGradientPage)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
