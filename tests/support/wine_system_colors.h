// The running system's colours (Wine's, under Wine), so a raster surface can be held
// pixel for pixel against GDI on the same machine.
#pragma once

#include <windows.h>

#include <cstddef>

#include "raster/system_colors.h"

namespace quillet {

inline SystemColorTable WineSystemColors() {
  SystemColorTable t{};
  for (int i = 0; i < kSysColorCount; ++i) t[static_cast<std::size_t>(i)] = GetSysColor(i);
  return t;
}

}  // namespace quillet
