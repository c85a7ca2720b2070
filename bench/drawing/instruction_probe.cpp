// Runs each drawing kernel a fixed number of rounds, each round in a function named after
// the kernel, so that callgrind counts the instructions of the rounds alone (set-up left
// out; noipa keeps the compiler from folding rounds with the same code into one).
// bench/ratios.py runs this under callgrind and prints the ratios.
#include <cstdio>

#include "bench/drawing/button_redraw.h"
#include "bench/drawing/drawing_kernels.h"

namespace {

constexpr int kRounds = 200;

#define CANVAS_PROBE(name, width, height, call)                               \
  __attribute__((noipa)) void Round_##name(wendral_bench::Canvas& c) { call; } \
  void name() {                                                               \
    wendral_bench::Canvas c(width, height);                                   \
    for (int i = 0; i < kRounds; ++i) Round_##name(c);                        \
    std::printf("%s %u\n", #name, c.surface.Pixels()[0]);                     \
  }

#define REDRAW_PROBE(name, look)                                                         \
  __attribute__((noipa)) void Round_##name(wendral_bench::HostedButton& b) {          \
    wendral_bench::Redraw(b);                                                            \
  }                                                                                      \
  void name() {                                                                          \
    wendral_bench::HostedButton b(look);                                                 \
    for (int i = 0; i < kRounds; ++i) Round_##name(b);                                   \
    std::printf("%s %u\n", #name, b.host->Raster().Pixels()[0]);                         \
  }

CANVAS_PROBE(Fill_169x33, 169, 33, wendral_bench::Fill(c))
CANVAS_PROBE(GradientVertical_169x33, 169, 33, wendral_bench::Gradient(c, 1))
CANVAS_PROBE(GradientHorizontal_169x33, 169, 33, wendral_bench::Gradient(c, 0))
CANVAS_PROBE(Fill_800x600, 800, 600, wendral_bench::Fill(c))
CANVAS_PROBE(GradientVertical_800x600, 800, 600, wendral_bench::Gradient(c, 1))
CANVAS_PROBE(GradientHorizontal_800x600, 800, 600, wendral_bench::Gradient(c, 0))
REDRAW_PROBE(Style2Redraw_Normal, wendral_bench::ButtonLook::Normal)
REDRAW_PROBE(Style2Redraw_Hot, wendral_bench::ButtonLook::Hot)
REDRAW_PROBE(Style2Redraw_Pressed, wendral_bench::ButtonLook::Pressed)
REDRAW_PROBE(Style2Redraw_Focused, wendral_bench::ButtonLook::Focused)

}  // namespace

int main() {
  Fill_169x33();
  GradientVertical_169x33();
  GradientHorizontal_169x33();
  Fill_800x600();
  GradientVertical_800x600();
  GradientHorizontal_800x600();
  Style2Redraw_Normal();
  Style2Redraw_Hot();
  Style2Redraw_Pressed();
  Style2Redraw_Focused();
}
