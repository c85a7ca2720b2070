// Saves a raster surface as a PNG; pixels outside its window region are transparent.
#pragma once

#include <string>

#include "raster/raster_surface.h"

namespace quillet {

bool WritePng(const RasterSurface& surface, const std::string& path);

}  // namespace quillet
