// Loading a large menu document against inflating its bytes alone. Both report the inflated
// stream size as bytes processed, so their throughputs compare directly: the reader should add
// little to the inflate that it cannot avoid. BM_LoadUncompressed reads the same stream from an
// uncompressed container, which isolates the reader's own cost.
//
// The window is created and destroyed outside the timing in every load benchmark.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>

#include "bench/bench_document.h"
#include "model/read_error.h"
#include "document/container.h"
#include "startup/main_window.h"
#include "support/menu_registry.h"

namespace {

constexpr size_t kControls = 2000;
constexpr uint64_t kMediaBytes = 40ull << 20;

// Reads container into a new window of application; returns the window.
TfrmMain* Load(TComponent& application, std::span<const uint8_t> container) {
  TfrmMain* window = CreateMainWindow(application);
  TClientSize clientSize;
  ReadDocumentContainer(container, *window, MenuRegistry(), {}, clientSize);
  return window;
}

// Generated once; checked to load completely before anything is timed.
const TBenchDocument& Document() {
  static const TBenchDocument doc = [] {
    TBenchDocument made = MakeBenchDocument(kControls, kMediaBytes);
    TComponent application;
    try {
      TfrmMain* window = Load(application, made.container);
      // The window owns the children it read: the controls and nothing else.
      if (window->Components().size() != kControls) {
        std::fprintf(stderr, "benchmark document loaded %zu components, not %zu\n", window->Components().size(),
                     kControls);
        std::exit(1);
      }
    } catch (const EReadError& e) {
      std::fprintf(stderr, "benchmark document does not load: %s\n", e.what());
      std::exit(1);
    }
    return made;
  }();
  return doc;
}

void ReportSizes(benchmark::State& state, const TBenchDocument& doc) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * doc.stream.size()));
  state.counters["stream_MB"] = static_cast<double>(doc.stream.size()) / 1e6;
  state.counters["compressed_MB"] = static_cast<double>(doc.CompressedData().size()) / 1e6;
  state.counters["media_MB"] = static_cast<double>(doc.mediaBytes) / 1e6;
}

void TimeLoads(benchmark::State& state, std::span<const uint8_t> container) {
  TComponent application;
  for (auto _ : state) {
    state.PauseTiming();
    TfrmMain* window = CreateMainWindow(application);
    state.ResumeTiming();
    TClientSize clientSize;
    ReadDocumentContainer(container, *window, MenuRegistry(), {}, clientSize);
    benchmark::ClobberMemory();
    state.PauseTiming();
    application.DestroyComponent(window);
    state.ResumeTiming();
  }
}

void BM_LoadDocument(benchmark::State& state) {
  const TBenchDocument& doc = Document();
  TimeLoads(state, doc.container);
  ReportSizes(state, doc);
}

void BM_LoadUncompressed(benchmark::State& state) {
  const TBenchDocument& doc = Document();
  static const std::vector<uint8_t> plain = WriteDocumentContainer(doc.stream, {false, false, std::nullopt});
  TimeLoads(state, plain);
  ReportSizes(state, doc);
}

void BM_InflateOnly(benchmark::State& state) {
  const TBenchDocument& doc = Document();
  const std::span<const uint8_t> compressed = doc.CompressedData();
  std::vector<uint8_t> inflated(doc.stream.size());
  for (auto _ : state) {
    uLongf size = static_cast<uLongf>(inflated.size());
    int code = uncompress(inflated.data(), &size, compressed.data(), static_cast<uLong>(compressed.size()));
    if (code != Z_OK || size != inflated.size()) {
      state.SkipWithError("inflate failed");
      break;
    }
    benchmark::DoNotOptimize(inflated.data());
    benchmark::ClobberMemory();
  }
  ReportSizes(state, doc);
}

}  // namespace

BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadUncompressed)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
