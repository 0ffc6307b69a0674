// Reading and laying out HTML labels whose size grows: a long text without tags, many tags, and
// many one-cell tables. Goal: time grows in proportion to the source (the reported complexity
// stays O(N)), however the source is made.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/gui_application.h"
#include "text/mini_html.h"

namespace {

std::string Repeated(const std::string& piece, int64_t count) {
  std::string out;
  out.reserve(piece.size() * static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) out += piece;
  return out;
}

void LoadRepeated(benchmark::State& state, const std::string& piece) {
  EnsureGuiApplication();
  const std::vector<std::string> lines{Repeated(piece, state.range(0))};
  TQzMiniHtml2 html;
  html.SetLayoutWidth(400);
  for (auto _ : state) {
    html.LoadHtml(lines);
    benchmark::DoNotOptimize(html.ContentHeight());
  }
  state.SetComplexityN(state.range(0));
}

void BM_MiniHtmlPlainText(benchmark::State& state) { LoadRepeated(state, "word "); }
void BM_MiniHtmlManyTags(benchmark::State& state) { LoadRepeated(state, "<b><i>x</i></b>"); }
void BM_MiniHtmlManyTables(benchmark::State& state) { LoadRepeated(state, "<table><tr><td>cell</td></tr></table>"); }

BENCHMARK(BM_MiniHtmlPlainText)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MiniHtmlManyTags)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MiniHtmlManyTables)->RangeMultiplier(4)->Range(1 << 8, 1 << 14)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace
