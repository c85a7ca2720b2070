// A minimal PNG encoder: 8-bit RGBA, zlib stream of stored (uncompressed) blocks. Enough
// for tools that write a few small images, and byte-for-byte reproducible on every
// platform, so two renderings can be compared as files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillet {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

// `rgba`: width * height * 4 bytes, rows top-down.
std::vector<std::uint8_t> EncodePng(std::int32_t width, std::int32_t height, std::span<const std::uint8_t> rgba);
bool WritePngFile(const std::string& path, std::int32_t width, std::int32_t height, std::span<const std::uint8_t> rgba);

}  // namespace quillet
