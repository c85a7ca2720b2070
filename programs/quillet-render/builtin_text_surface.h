// A surface that passes every call on to another one, except text: captions are measured
// and drawn in the built-in font, pixel by pixel, so two different surfaces underneath show
// the same ink. Used for the gallery sheet only.
#pragma once

#include "headless/recording_surface.h"

namespace quillet::render {

class BuiltinTextSurface final : public RecordingSurface {
 public:
  explicit BuiltinTextSurface(Surface& inner) : RecordingSurface(inner) {}

  void SetTextColor(Color c) override;
  Size MeasureText(std::u16string_view text) override;
  // Single line at the rectangle's top-left, clipped to it, "&" marking the access key
  // unless kDtNoPrefix is given.
  void DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) override;

 private:
  Color textColor_ = 0;
};

}  // namespace quillet::render
