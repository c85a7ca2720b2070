// Reads .bmp and .ico files into pixels, for hosts that have no LoadImage.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "button/surface.h"

namespace quillet {

struct PictureFile {
  PictureType type = PictureType::None;  // Bitmap or Icon
  PictureImage image;
};

// A BMP (uncompressed, 1, 4, 8, 24 or 32 bits per pixel) or the first image of an ICO
// (BMP-encoded, with its AND mask). Alpha is not used: icons are drawn through their mask.
// On failure `error` says why.
std::optional<PictureFile> DecodePictureFile(std::span<const std::uint8_t> bytes, std::string& error);
std::optional<PictureFile> ReadPictureFile(const std::string& path, std::string& error);

// Width and height of the first image of an ICO file, or nullopt.
std::optional<Size> FirstIconSize(std::span<const std::uint8_t> bytes);

}  // namespace quillet
