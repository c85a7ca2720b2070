// A full-surface gradient on the software raster against a plain fill of the same pixels,
// at a typical button size and at a window size.
#include <benchmark/benchmark.h>

#include "button/primitives.h"
#include "platform/portable/raster_surface.h"

namespace {

void BM_Gradient(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0));
  const auto h = static_cast<std::int32_t>(state.range(1));
  quillet::RasterSurface s(w, h);
  for (auto _ : state) {
    quillet::PaintGradient(s, 0, 0, w, h, 0xE7EBEC, 0x8A5A2B, 1);
    benchmark::DoNotOptimize(s.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

void BM_Fill(benchmark::State& state) {
  const auto w = static_cast<std::int32_t>(state.range(0));
  const auto h = static_cast<std::int32_t>(state.range(1));
  quillet::RasterSurface s(w, h);
  for (auto _ : state) {
    quillet::PaintRect(s, 0xE7EBEC, quillet::Rect{0, 0, w, h});
    benchmark::DoNotOptimize(s.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * w * h);
}

BENCHMARK(BM_Gradient)->Args({169, 33})->Args({800, 600});
BENCHMARK(BM_Fill)->Args({169, 33})->Args({800, 600});

}  // namespace
