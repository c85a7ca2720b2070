// A Surface that passes every call on to another surface (a RasterSurface in the headless
// host) and writes down what the control asked of it: clears (one per Redraw), window
// regions, fore colour and font changes. Drawing itself is the inner surface's.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "button/surface.h"

namespace quillet {

class RecordingSurface : public Surface {
 public:
  using Journal = std::function<void(const std::string& entry)>;

  explicit RecordingSurface(Surface& inner, Journal journal = {}) : inner_(&inner), journal_(std::move(journal)) {}
  void SetInner(Surface& inner) { inner_ = &inner; }
  Surface& Inner() const { return *inner_; }

  int ClsCount() const { return clsCount_; }
  const std::vector<RegionShape>& Regions() const { return regions_; }
  void ResetCounts() {
    clsCount_ = 0;
    regions_.clear();
  }

  std::int32_t Width() const override { return inner_->Width(); }
  std::int32_t Height() const override { return inner_->Height(); }
  std::uintptr_t NativeHandle() const override { return inner_->NativeHandle(); }
  Color SysColor(std::int32_t index) const override { return inner_->SysColor(index); }
  void SetBackColor(Color c) override { inner_->SetBackColor(c); }
  Color BackColor() const override { return inner_->BackColor(); }
  void SetForeColor(Color c) override;
  Color ForeColor() const override { return inner_->ForeColor(); }
  void SetDrawMode(std::int32_t mode) override { inner_->SetDrawMode(mode); }
  std::int32_t DrawMode() const override { return inner_->DrawMode(); }
  void Cls() override;
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) override {
    inner_->DrawLine(x1, y1, x2, y2, color);
  }
  void FillRect(const Rect& r, Color color) override { inner_->FillRect(r, color); }
  void FrameRect(const Rect& r, Color color) override { inner_->FrameRect(r, color); }
  void SetPixel(std::int32_t x, std::int32_t y, Color color) override { inner_->SetPixel(x, y, color); }
  Color GetPixel(std::int32_t x, std::int32_t y) const override { return inner_->GetPixel(x, y); }
  std::int32_t StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh, std::int32_t sx,
                             std::int32_t sy, std::int32_t sw, std::int32_t sh, const DibBits& bits,
                             std::uint32_t rop) override {
    return inner_->StretchDIBits(dx, dy, dw, dh, sx, sy, sw, sh, bits, rop);
  }
  bool FillGradient(const Rect& r, Color color1, Color color2, std::int32_t direction) override {
    return inner_->FillGradient(r, color1, color2, direction);
  }
  void DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) override { inner_->DrawEdge(r, edge, flags); }
  void DrawFocusRect(const Rect& r) override { inner_->DrawFocusRect(r); }
  void SetFont(const FontDescription& font) override;
  const FontDescription& Font() const override { return inner_->Font(); }
  void SetTextColor(Color c) override { inner_->SetTextColor(c); }
  Size MeasureText(std::u16string_view text) override { return inner_->MeasureText(text); }
  void DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) override {
    inner_->DrawText(text, r, flags);
  }
  bool DrawIcon(const Picture& icon, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override {
    return inner_->DrawIcon(icon, x, y, w, h);
  }
  bool StretchBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                         std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override {
    return inner_->StretchBltPicture(bitmap, dx, dy, dw, dh, sx, sy, sw, sh);
  }
  bool TransparentBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                             std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                             Color transparent) override {
    return inner_->TransparentBltPicture(bitmap, dx, dy, dw, dh, sx, sy, sw, sh, transparent);
  }
  bool ReadPictureBits(const Picture& picture, PicturePlane plane, std::vector<std::uint8_t>& bits, std::int32_t& width,
                       std::int32_t& height) override {
    return inner_->ReadPictureBits(picture, plane, bits, width, height);
  }
  std::uintptr_t SetWindowRegion(const RegionShape& region) override;

 private:
  void Write(const std::string& entry) {
    if (journal_) journal_(entry);
  }

  Surface* inner_;
  Journal journal_;
  int clsCount_ = 0;
  std::vector<RegionShape> regions_;
};

// "RoundRect(0,0,101,31,3,3)" or "Rect(0,0,100,30)".
std::string DescribeRegion(const RegionShape& region);

}  // namespace quillet
