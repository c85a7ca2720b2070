// Full-surface gradients on the software raster against a plain fill of the same pixels, at
// a typical button size and at a window size. Read the gradient's time as a multiple of the
// fill's at the same size (bench/ratios.py prints the ratios).
#include <benchmark/benchmark.h>

#include "bench/drawing/button_redraw.h"
#include "bench/drawing/drawing_kernels.h"

namespace {

void BM_Fill(benchmark::State& state) {
  wendral_bench::Canvas c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    wendral_bench::Fill(c);
    benchmark::DoNotOptimize(c.surface.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void BM_GradientVertical(benchmark::State& state) {
  wendral_bench::Canvas c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    wendral_bench::Gradient(c, 1);
    benchmark::DoNotOptimize(c.surface.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

void BM_GradientHorizontal(benchmark::State& state) {
  wendral_bench::Canvas c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    wendral_bench::Gradient(c, 0);
    benchmark::DoNotOptimize(c.surface.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}

// One full redraw of the program's style-2 button (169 x 33, caption 确认修改) in each look,
// to be read against BM_GradientVertical/169/33.
void BM_Style2Redraw(benchmark::State& state) {
  wendral_bench::HostedButton b(static_cast<wendral_bench::ButtonLook>(state.range(0)));
  for (auto _ : state) {
    wendral_bench::Redraw(b);
    benchmark::DoNotOptimize(b.host->Raster().Pixels().data());
  }
}

BENCHMARK(BM_Style2Redraw)->ArgName("look")->DenseRange(0, 3);  // normal, hot, pressed, focused
BENCHMARK(BM_Fill)->Args({169, 33})->Args({800, 600});
BENCHMARK(BM_GradientVertical)->Args({169, 33})->Args({800, 600});
BENCHMARK(BM_GradientHorizontal)->Args({169, 33})->Args({800, 600});

}  // namespace
