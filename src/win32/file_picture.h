// Pictures loaded from .bmp and .ico files with LoadImage.
#pragma once

#include <memory>
#include <string>

#include "button/surface.h"

namespace quillet {

// A bitmap (DIB section) or the first icon of an .ico file, or null with `error` set.
// GDI draws from the handle; Image() stays empty.
PicturePtr LoadPictureFromFile(const std::wstring& path, std::string& error);

}  // namespace quillet
