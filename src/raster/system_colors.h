// System colour tables for surfaces that have no system to ask.
#pragma once

#include <array>

#include "button/surface.h"

namespace quillet {

using SystemColorTable = std::array<Color, kSysColorCount>;

// The colours a default Windows 7 desktop reports through GetSysColor.
const SystemColorTable& DefaultSystemColors();

}  // namespace quillet
