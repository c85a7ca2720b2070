#include "headless/recording_surface.h"

#include <cstdio>

namespace quillet {

void RecordingSurface::SetForeColor(Color c) {
  char text[40];
  std::snprintf(text, sizeof text, "SetForeColor %06X", static_cast<unsigned>(c));
  Write(text);
  inner_->SetForeColor(c);
}

void RecordingSurface::Cls() {
  ++clsCount_;
  Write("Cls");
  inner_->Cls();
}

void RecordingSurface::SetFont(const FontDescription& font) {
  std::string face;
  for (char16_t c : font.face) face += c < 0x80 ? static_cast<char>(c) : '?';
  Write("SetFont " + face);
  inner_->SetFont(font);
}

std::uintptr_t RecordingSurface::SetWindowRegion(const RegionShape& region) {
  regions_.push_back(region);
  Write("SetWindowRegion " + DescribeRegion(region));
  return inner_->SetWindowRegion(region);
}

std::string DescribeRegion(const RegionShape& r) {
  char text[96];
  if (r.kind == RegionShape::Kind::RoundRect) {
    std::snprintf(text, sizeof text, "RoundRect(%d,%d,%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom, r.ellipse_width,
                  r.ellipse_height);
  } else {
    std::snprintf(text, sizeof text, "Rect(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
  }
  return text;
}

}  // namespace quillet
