// Text for the software raster through FreeType, with a CJK-capable face chosen by
// fontconfig.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "raster/raster_surface.h"

namespace quillet {

class FreeTypeTextEngine : public RasterTextEngine {
 public:
  // Picks the face fontconfig offers for Chinese text; null when FreeType or fontconfig
  // finds none.
  static std::shared_ptr<FreeTypeTextEngine> Create();
  ~FreeTypeTextEngine() override;
  const std::string& FontFile() const { return file_; }

  Size Measure(const FontDescription& font, std::u16string_view text) override;
  void Draw(RasterSurface& target, const FontDescription& font, std::u16string_view text, std::int32_t x,
            std::int32_t y, Color color, std::int32_t underline_index, const Rect& clip) override;

 private:
  struct Impl;
  explicit FreeTypeTextEngine(std::unique_ptr<Impl> impl, std::string file);
  std::unique_ptr<Impl> impl_;
  std::string file_;
};

}  // namespace quillet
