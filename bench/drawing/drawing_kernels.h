// The drawing measured by the benchmarks, in functions of their own so that the instruction
// probe can count each one under callgrind.
#pragma once

#include "raster/raster_surface.h"

namespace wendral_bench {

struct Canvas {
  Canvas(int width, int height) : surface(width, height), width(width), height(height) {}
  quillet::RasterSurface surface;
  int width;
  int height;
};

// A plain fill of the whole surface.
void Fill(Canvas& c);
// A full-surface gradient, direction 0 (left to right) or 1 (top to bottom).
void Gradient(Canvas& c, int direction);

}  // namespace wendral_bench
