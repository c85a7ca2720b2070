// One full redraw of each of the sixteen looks at 169x33 (no caption: the raster here has
// no text engine, so this measures the look itself), against one full-surface gradient of
// the same size. Read the ratio of a style's time to BM_GradientOfSameSize.
#include <benchmark/benchmark.h>

#include "button/primitives.h"
#include "headless/headless_host.h"

namespace {

constexpr std::int32_t kWidth = 169;
constexpr std::int32_t kHeight = 33;

void BM_StyleRedraw(benchmark::State& state) {
  quillet::HeadlessForm form;
  quillet::HeadlessHost host(form, quillet::HeadlessPlacement{20, 20, kWidth * 15, kHeight * 15});
  quillet::QuilletButton& button = host.Create();
  host.PlaceNew();
  button.ButtonStyle(static_cast<quillet::ButtonStyle>(state.range(0)));
  button.Caption(u"");
  for (auto _ : state) {
    button.Redraw();
    benchmark::DoNotOptimize(host.Raster().Pixels().data());
  }
  state.SetLabel("style " + std::to_string(state.range(0)));
}

void BM_GradientOfSameSize(benchmark::State& state) {
  quillet::RasterSurface s(kWidth, kHeight);
  for (auto _ : state) {
    quillet::PaintGradient(s, 0, 0, kWidth, kHeight, 0xE7EBEC, 0x8A5A2B, 1);
    benchmark::DoNotOptimize(s.Pixels().data());
  }
}

BENCHMARK(BM_GradientOfSameSize);
BENCHMARK(BM_StyleRedraw)->DenseRange(0, 15);

}  // namespace
