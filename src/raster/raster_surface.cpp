#include "raster/raster_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "button/gradient_steps.h"
#include "raster/region_mask.h"

namespace quillet {
namespace {

constexpr std::uint32_t kDefaultPalette[20] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
    0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};  // 0x00RRGGBB

// Binary raster operation `rop2` (R2_* 1..16) of pen P over destination D.
std::uint32_t ApplyRop2(std::int32_t rop2, std::uint32_t p, std::uint32_t d) {
  const std::uint32_t f = static_cast<std::uint32_t>(rop2 - 1);
  std::uint32_t out = 0;
  if (f & 1) out |= ~p & ~d;
  if (f & 2) out |= ~p & d;
  if (f & 4) out |= p & ~d;
  if (f & 8) out |= p & d;
  return out;
}

// ceil(n / d) for d > 0.
std::int64_t CeilDiv(std::int64_t n, std::int64_t d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

std::uint32_t SourcePixel(const DibBits& bits, std::size_t row_bytes, std::int32_t x, std::int32_t y_top_down) {
  const std::int32_t row = bits.height - 1 - y_top_down;  // bottom-up rows
  const auto* p = static_cast<const std::uint8_t*>(bits.bits) + static_cast<std::size_t>(row) * row_bytes +
                  static_cast<std::size_t>(x) * static_cast<std::size_t>(bits.bit_count / 8);
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16);
}

// The source pixels each destination pixel of a stretch takes, as GDI steps through them:
// an error term walks the longer side; when shrinking, a destination pixel takes a run of
// source pixels.
struct SourceRun {
  std::int32_t first = 0;
  std::int32_t last = 0;
};

std::vector<SourceRun> StretchRuns(std::int32_t sn, std::int32_t dn) {
  std::vector<SourceRun> runs(static_cast<std::size_t>(dn));
  if (dn > sn) {
    std::int64_t e = 3 * static_cast<std::int64_t>(sn) - 2 * static_cast<std::int64_t>(dn);
    std::int32_t s = 0;
    for (std::int32_t i = 0; i < dn; ++i) {
      runs[static_cast<std::size_t>(i)] = {s, s};
      if (e > 0) {
        ++s;
        e += 2 * (static_cast<std::int64_t>(sn) - dn);
      } else {
        e += 2 * static_cast<std::int64_t>(sn);
      }
    }
  } else if (dn == 1) {
    runs[0] = {0, std::max(sn - 2, 0)};  // the last source pixel is never reached
  } else {
    std::int64_t e = 3 * static_cast<std::int64_t>(dn) - 2 * static_cast<std::int64_t>(sn);
    std::int32_t d = 0;
    bool open = false;
    for (std::int32_t s = 0; s < sn && d < dn; ++s) {
      SourceRun& run = runs[static_cast<std::size_t>(d)];
      if (!open) run.first = s;
      run.last = s;
      open = true;
      if (e > 0) {
        ++d;
        open = false;
        e += 2 * (static_cast<std::int64_t>(dn) - sn);
      } else {
        e += 2 * static_cast<std::int64_t>(dn);
      }
    }
  }
  return runs;
}

// How shrinking merges a run: BLACKONWHITE (a DC's default) ANDs the run's pixels; icons
// take one pixel of it.
enum class Shrink { And, Last };

// Stretches the source block (sw x sh at sx, sy of `source`) onto dw x dh pixels.
template <typename Source>
std::vector<std::uint32_t> StretchBlock(const Source& source, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                        std::int32_t sh, std::int32_t dw, std::int32_t dh, Shrink shrink) {
  const std::vector<SourceRun> cols = StretchRuns(sw, dw), rows = StretchRuns(sh, dh);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(dw) * dh);
  for (std::int32_t j = 0; j < dh; ++j)
    for (std::int32_t i = 0; i < dw; ++i) {
      const SourceRun& c = cols[static_cast<std::size_t>(i)];
      const SourceRun& r = rows[static_cast<std::size_t>(j)];
      std::uint32_t v;
      if (shrink == Shrink::Last) {
        // A row run keeps its first row, a column run its last column.
        v = source(sx + c.last, sy + r.first);
      } else {
        v = 0xFFFFFFFFu;
        for (std::int32_t y = r.first; y <= r.last; ++y)
          for (std::int32_t x = c.first; x <= c.last; ++x) v &= source(sx + x, sy + y);
      }
      out[static_cast<std::size_t>(j) * dw + i] = v;
    }
  return out;
}

// Sets n pixels from p on to v, sixteen bytes a store: a fill runs at the speed of the
// memory, not of a store per pixel.
void FillRun(std::uint32_t* p, std::size_t n, std::uint32_t v) {
  using Quad = std::uint32_t __attribute__((vector_size(16)));
  const Quad q = {v, v, v, v};
  for (; n >= 16; n -= 16, p += 16) {
    std::memcpy(p, &q, 16);
    std::memcpy(p + 4, &q, 16);
    std::memcpy(p + 8, &q, 16);
    std::memcpy(p + 12, &q, 16);
  }
  for (; n >= 4; n -= 4, p += 4) std::memcpy(p, &q, 16);
  for (; n > 0; --n) *p++ = v;
}

// Copies n pixels from src to dst (apart), sixteen bytes a load and a store: the C library
// copies more than 2 KiB with a string instruction that is slower here.
void CopyRun(std::uint32_t* dst, const std::uint32_t* src, std::size_t n) {
  for (; n >= 16; n -= 16, dst += 16, src += 16) {
    std::uint32_t block[16];
    std::memcpy(block, src, 64);
    std::memcpy(dst, block, 64);
  }
  for (; n >= 4; n -= 4, dst += 4, src += 4) std::memcpy(dst, src, 16);
  for (; n > 0; --n) *dst++ = *src++;
}

// Writes `count` consecutive steps from `steps` on. The walker is a copy of its own, so its
// state stays in registers while the pixels are written.
void WriteSteps(std::uint32_t* out, std::int32_t count, GradientSteps steps) {
  for (std::int32_t i = 0; i < count; ++i, steps.Next()) out[i] = steps.Pixel();
}

// Steps first .. first + count - 1 of a gradient with n + 1 steps, four at a time. A channel's
// offset at step i, trunc(i * d / n), is (i * ceil(|d| * 2^24 / n)) >> 24 with the sign of d:
// exact while n * n <= 2^24 (the error i / 2^24 stays below the 1 / n that separates a
// fraction from the next whole number), and the product stays below 2^32. Returns false
// where that does not hold.
bool WriteStepsInQuads(std::uint32_t* out, std::int32_t first, std::int32_t count, Color color1, Color color2,
                       std::int32_t n) {
  if (n < 1 || n >= 4096) return false;
  using Quad = std::uint32_t __attribute__((vector_size(16)));
  std::uint32_t base = 0, scale[3], negative[3];
  for (int c = 0; c < 3; ++c) {
    const std::int32_t a = static_cast<std::int32_t>((color1 >> (8 * c)) & 0xFF);
    const std::int32_t d = static_cast<std::int32_t>((color2 >> (8 * c)) & 0xFF) - a;
    base |= static_cast<std::uint32_t>(a) << (16 - 8 * c);
    const std::uint64_t m = static_cast<std::uint64_t>(d < 0 ? -d : d);
    scale[c] =
        static_cast<std::uint32_t>(((m << 24) + static_cast<std::uint64_t>(n) - 1) / static_cast<std::uint64_t>(n));
    negative[c] = d < 0 ? 0xFFFFFFFFu : 0u;
  }
  // Channel c (0 red, 1 green, 2 blue) of the packed offset at the accumulator value acc.
  auto channel = [&](auto acc, int c) {
    const auto shifted = (acc >> (8 + 8 * c)) & (0xFFu << (16 - 8 * c));
    return (shifted ^ negative[c]) - negative[c];
  };
  std::int32_t i = 0;
  if (count >= 4) {
    const std::uint32_t f = static_cast<std::uint32_t>(first);
    const Quad index = {f, f + 1, f + 2, f + 3};
    Quad red = index * scale[0], green = index * scale[1], blue = index * scale[2];
    const Quad red_step = Quad{} + 4 * scale[0], green_step = Quad{} + 4 * scale[1], blue_step = Quad{} + 4 * scale[2];
    for (; i + 4 <= count; i += 4) {
      const Quad q = base + channel(red, 0) + channel(green, 1) + channel(blue, 2);
      std::memcpy(out + i, &q, 16);
      red += red_step;
      green += green_step;
      blue += blue_step;
    }
  }
  for (; i < count; ++i) {
    const std::uint32_t step = static_cast<std::uint32_t>(first + i);
    out[i] = base + channel(step * scale[0], 0) + channel(step * scale[1], 1) + channel(step * scale[2], 2);
  }
  return true;
}

}  // namespace

std::uint32_t ColorToPixel(Color color) {
  if ((color >> 24) & 1) {
    const std::uint32_t index = color & 0xFFFF;
    return index < 20 ? kDefaultPalette[index] : 0;
  }
  return (static_cast<std::uint32_t>(RedOf(color)) << 16) | (static_cast<std::uint32_t>(GreenOf(color)) << 8) |
         BlueOf(color);
}

std::u16string StripPrefixes(std::u16string_view text, std::int32_t& underline) {
  std::u16string out;
  underline = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&') {
      if (i + 1 >= text.size()) break;  // a trailing marker shows nothing
      ++i;
      if (text[i] != u'&' && underline < 0) underline = static_cast<std::int32_t>(out.size());
    }
    out.push_back(text[i]);
  }
  return out;
}

RasterSurface::RasterSurface(std::int32_t width, std::int32_t height, const SystemColorTable& colors)
    : width_(0), height_(0), sysColors_(colors), backColor_(0x80000000u | kColorBtnFace) {
  Resize(width, height);
}

void RasterSurface::Resize(std::int32_t width, std::int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
  region_.assign(pixels_.size(), 1);
  hasRegion_ = false;
  regionInRuns_ = false;
}

bool RasterSurface::Visible(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return !hasRegion_ || region_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void RasterSurface::Put(std::int32_t x, std::int32_t y, std::uint32_t pixel) {
  if (Visible(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = pixel;
}

void RasterSurface::PutRop2(std::int32_t x, std::int32_t y, std::uint32_t pixel, std::int32_t rop2) {
  if (!Visible(x, y)) return;
  std::uint32_t& d = pixels_[static_cast<std::size_t>(y) * width_ + x];
  d = ApplyRop2(rop2, pixel, d);
}

void RasterSurface::BlendPixel(std::int32_t x, std::int32_t y, Color color, std::uint8_t coverage) {
  BlendRun(x, y, &coverage, 1, color, Rect{0, 0, width_, height_});
}

void RasterSurface::BlendRun(std::int32_t x, std::int32_t y, const std::uint8_t* coverage, std::int32_t count,
                             Color color, const Rect& clip) {
  if (y < std::max(clip.top, 0) || y >= std::min(clip.bottom, height_)) return;
  const std::int32_t from = std::max({x, clip.left, 0});
  const std::int32_t to = std::min({x + count, clip.right, width_});
  if (from >= to) return;
  const std::uint32_t s = ColorToPixel(color);
  std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
  const std::uint8_t* mask = hasRegion_ ? region_.data() + static_cast<std::size_t>(y) * width_ : nullptr;
  for (std::int32_t px = from; px < to; ++px) {
    const std::uint32_t c = coverage[px - x];
    if (c == 0 || (mask && !mask[px])) continue;
    if (c == 255) {
      row[px] = s;
      continue;
    }
    // (a * c + b * (255 - c) + 127) / 255 per channel, red and blue side by side in 16-bit
    // lanes (at most 65152 each, so nothing carries); t / 255 = (t + 1 + (t >> 8)) >> 8 for
    // every t below 65535.
    const std::uint32_t d = row[px];
    std::uint32_t rb = (s & 0xFF00FF) * c + (d & 0xFF00FF) * (255 - c) + 0x7F007F;
    std::uint32_t g = (s & 0xFF00) * c + (d & 0xFF00) * (255 - c) + 0x7F00;
    rb = ((rb + 0x10001 + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    g = ((g + 0x100 + ((g >> 8) & 0xFFFF00)) >> 8) & 0xFF00;
    row[px] = rb | g;
  }
}

Color RasterSurface::SysColor(std::int32_t index) const {
  return index >= 0 && index < kSysColorCount ? sysColors_[static_cast<std::size_t>(index)] : 0;
}

void RasterSurface::SetDrawMode(std::int32_t mode) {
  if (mode >= 1 && mode <= 16) drawMode_ = mode;
}

// A system colour (the button face until a renderer sets another) is looked up now.
void RasterSurface::Cls() {
  const Color back = (backColor_ & 0x80000000u) ? SysColor(static_cast<std::int32_t>(backColor_ & 0xFF)) : backColor_;
  FillPixels(0, 0, width_, height_, ColorToPixel(back));
}

// GDI's one-pixel lines: the minor coordinate is the exact one rounded to nearest, an
// exact half rounding toward smaller coordinates; the end point is left out.
void RasterSurface::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t pixel,
                         std::int32_t rop2) {
  const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
  const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
  const std::int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool x_major = adx >= ady;
  const std::int64_t major = x_major ? adx : ady;
  if (major == 0) return;
  if (rop2 == kDrawModeCopyPen && (dx == 0 || dy == 0)) {
    // Straight across or down in copy mode: one run, the end point left out.
    auto span = [](std::int32_t from, std::int32_t to, std::int32_t& lo, std::int32_t& hi) {
      lo = from < to ? from : (from > to ? to + 1 : from);
      hi = from < to ? to : from + 1;
    };
    std::int32_t l, r, t, b;
    span(x1, x2, l, r);
    span(y1, y2, t, b);
    FillPixels(l, t, r, b, pixel);
    return;
  }
  const std::int64_t minor_delta = x_major ? dy : dx;
  const std::int64_t major_start = x_major ? x1 : y1, minor_start = x_major ? y1 : x1;
  const std::int64_t step = (x_major ? dx : dy) < 0 ? -1 : 1;
  const std::int64_t limit = x_major ? width_ : height_;
  // Only the steps whose major coordinate lies on the surface.
  std::int64_t lo = 0, hi = major;  // [lo, hi)
  if (step > 0) {
    lo = std::max<std::int64_t>(lo, -major_start);
    hi = std::min<std::int64_t>(hi, limit - major_start);
  } else {
    lo = std::max<std::int64_t>(lo, major_start - (limit - 1));
    hi = std::min<std::int64_t>(hi, major_start + 1);
  }
  for (std::int64_t i = lo; i < hi; ++i) {
    const std::int64_t m = minor_start + CeilDiv(2 * i * minor_delta - major, 2 * major);
    const std::int64_t a = major_start + step * i;
    const std::int64_t x = x_major ? a : m, y = x_major ? m : a;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
    PutRop2(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), pixel, rop2);
  }
}

void RasterSurface::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
  Line(x1, y1, x2, y2, ColorToPixel(color), drawMode_);
}

void RasterSurface::FillPixels(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::uint32_t pixel) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, width_);
  b = std::min(b, height_);
  if (l >= r) return;
  for (std::int32_t y = t; y < b; ++y) {
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    std::int32_t left, right;
    if (VisibleRun(y, l, r, left, right)) {
      FillRun(row + left, static_cast<std::size_t>(right - left), pixel);
      continue;
    }
    const std::uint8_t* mask = region_.data() + static_cast<std::size_t>(y) * width_;
    for (std::int32_t x = l; x < r; ++x)
      if (mask[x]) row[x] = pixel;
  }
}

void RasterSurface::FillRect(const Rect& r, Color color) {
  // A pattern fill from the first corner by the signed extents: a negative extent covers
  // the pixels before the first corner, up to and including it, after the second.
  const std::int32_t l = r.right >= r.left ? r.left : r.right + 1;
  const std::int32_t rt = r.right >= r.left ? r.right : r.left + 1;
  const std::int32_t t = r.bottom >= r.top ? r.top : r.bottom + 1;
  const std::int32_t b = r.bottom >= r.top ? r.bottom : r.top + 1;
  FillPixels(l, t, rt, b, ColorToPixel(color));
}

void RasterSurface::FrameRect(const Rect& r, Color color) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const std::uint32_t p = ColorToPixel(color);
  FillPixels(r.left, r.top, r.left + 1, r.bottom, p);
  FillPixels(r.right - 1, r.top, r.right, r.bottom, p);
  FillPixels(r.left, r.top, r.right, r.top + 1, p);
  FillPixels(r.left, r.bottom - 1, r.right, r.bottom, p);
}

void RasterSurface::SetPixel(std::int32_t x, std::int32_t y, Color color) {
  PutRop2(x, y, ColorToPixel(color), drawMode_);
}

Color RasterSurface::GetPixel(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFFFFFFFF;
  return PixelToColor(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

std::int32_t RasterSurface::StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                                          std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                                          const DibBits& bits, std::uint32_t rop) {
  if (bits.bits == nullptr || bits.width <= 0 || bits.height <= 0) return 0;
  if (bits.bit_count != 24 && bits.bit_count != 32) return 0;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return 0;
  if (rop != kSrcCopy && rop != kSrcAnd && rop != kSrcPaint) return 0;
  const std::size_t row_bytes = DibBits::RowBytes(bits.width, bits.bit_count);
  // The source origin of a bottom-up DIB is its lower-left corner; outside the bits the
  // source reads as black.
  const std::int32_t src_top = bits.height - (sy + sh);
  auto source = [&](std::int32_t x, std::int32_t y) -> std::uint32_t {
    if (x < 0 || y < 0 || x >= bits.width || y >= bits.height) return 0;
    return SourcePixel(bits, row_bytes, x, y);
  };
  if (dw == sw && dh == sh && rop == kSrcCopy && bits.bit_count == 32 && sx >= 0 && src_top >= 0 &&
      sx + sw <= bits.width && src_top + sh <= bits.height) {
    // 1:1 copy of 32-bit pixels that lie inside the bits: row by row.
    const std::int32_t x0 = std::max(dx, 0), x1 = std::min(dx + dw, width_);
    for (std::int32_t j = std::max(0, -dy); j < dh && dy + j < height_; ++j) {
      const auto* src = reinterpret_cast<const std::uint32_t*>(
                            static_cast<const std::uint8_t*>(bits.bits) +
                            static_cast<std::size_t>(bits.height - 1 - (src_top + j)) * row_bytes) +
                        sx - dx;
      std::uint32_t* dst = pixels_.data() + static_cast<std::size_t>(dy + j) * width_;
      const std::uint8_t* mask = region_.data() + static_cast<std::size_t>(dy + j) * width_;
      for (std::int32_t x = x0; x < x1; ++x)
        if (!hasRegion_ || mask[x]) dst[x] = src[x] & 0xFFFFFF;
    }
    return sh;
  }
  const std::vector<std::uint32_t> block = StretchBlock(source, sx, src_top, sw, sh, dw, dh, Shrink::And);
  for (std::int32_t j = 0; j < dh; ++j)
    for (std::int32_t i = 0; i < dw; ++i) {
      if (!Visible(dx + i, dy + j)) continue;
      const std::uint32_t s = block[static_cast<std::size_t>(j) * dw + i] & 0xFFFFFF;
      std::uint32_t& d = pixels_[static_cast<std::size_t>(dy + j) * width_ + dx + i];
      if (rop == kSrcCopy)
        d = s;
      else if (rop == kSrcAnd)
        d &= s | 0xFF000000u;
      else
        d |= s;
    }
  return sh;
}

// The pixels of the 1:1 StretchDIBits that PaintGradient would hand over, without the
// bitmap: a vertical gradient fills each row with its step, a horizontal one computes one
// row and copies it to the others, a diagonal one walks the steps along each row.
bool RasterSurface::FillGradient(const Rect& area, Color color1, Color color2, std::int32_t direction) {
  const std::int32_t w = area.right - area.left, h = area.bottom - area.top;
  const std::int32_t n = GradientLastStep(w, h, direction);
  if (w < 1 || h < 1 || n < 0) return false;
  if (hasRegion_ && !regionInRuns_) return false;
  const std::int32_t x0 = std::max(area.left, 0), x1 = std::min(area.right, width_);
  const std::int32_t y0 = std::max(area.top, 0), y1 = std::min(area.bottom, height_);
  if (x0 >= x1 || y0 >= y1) return true;
  GradientSteps steps(color1, color2, n);
  auto row_at = [&](std::int32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; };
  std::int32_t left, right;
  switch (direction) {
    case 1: {
      steps.Seek(y0 - area.top);
      GradientSteps walk = steps;
      for (std::int32_t y = y0; y < y1; ++y, walk.Next()) {
        VisibleRun(y, x0, x1, left, right);
        FillRun(row_at(y) + left, static_cast<std::size_t>(right - left), walk.Pixel());
      }
      return true;
    }
    case 0: {
      if (!hasRegion_ && x0 == 0 && x1 == width_) {
        // Whole rows: compute the first, then copy it to the others.
        std::uint32_t* first = row_at(y0);
        if (!WriteStepsInQuads(first, -area.left, width_, color1, color2, n)) {
          steps.Seek(-area.left);
          WriteSteps(first, width_, steps);
        }
        if (width_ > 512) {
          for (std::int32_t y = y0 + 1; y < y1; ++y) CopyRun(row_at(y), first, static_cast<std::size_t>(width_));
          return true;
        }
        // Narrow rows lie one after another: double the copied rows until they cover them
        // all, in blocks of at most 2 KiB, which the C library copies with vector moves.
        const std::int32_t rows = y1 - y0, most = 512 / width_;
        for (std::int32_t done = 1; done < rows;) {
          const std::int32_t chunk = std::min({done, rows - done, most});
          std::memcpy(first + static_cast<std::size_t>(done) * width_, first,
                      static_cast<std::size_t>(chunk) * width_ * 4);
          done += chunk;
        }
        return true;
      }
      // The model row: the one with the widest visible run; every other run of a rectangle
      // or rounded rectangle lies inside it.
      std::int32_t model = -1, model_left = 0, model_right = 0;
      for (std::int32_t y = y0; y < y1; ++y) {
        VisibleRun(y, x0, x1, left, right);
        if (right - left > model_right - model_left) {
          model = y;
          model_left = left;
          model_right = right;
        }
        if (!hasRegion_) break;
      }
      if (model < 0) return true;  // nothing visible
      std::uint32_t* source = row_at(model);
      if (!WriteStepsInQuads(source + model_left, model_left - area.left, model_right - model_left, color1, color2,
                             n)) {
        steps.Seek(model_left - area.left);
        WriteSteps(source + model_left, model_right - model_left, steps);
      }
      for (std::int32_t y = y0; y < y1; ++y) {
        if (y == model) continue;
        VisibleRun(y, x0, x1, left, right);
        if (left >= right) continue;
        std::uint32_t* row = row_at(y);
        if (left >= model_left && right <= model_right) {
          CopyRun(row + left, source + left, static_cast<std::size_t>(right - left));
          continue;
        }
        steps.Seek(left - area.left);
        WriteSteps(row + left, right - left, steps);
      }
      return true;
    }
    default:
      for (std::int32_t y = y0; y < y1; ++y) {
        VisibleRun(y, x0, x1, left, right);
        if (left >= right) continue;
        const std::int32_t down = direction == 2 ? y - area.top : area.bottom - 1 - y;
        steps.Seek(static_cast<std::int64_t>(left - area.left) + down);
        WriteSteps(row_at(y) + left, right - left, steps);
      }
      return true;
  }
}

// Lines as GDI draws them for an edge: outer border on the rectangle, inner one inside it;
// a single border sits at the outer place. Copy mode, whatever the draw mode.
void RasterSurface::DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) {
  struct Colors {
    std::int32_t top_left, bottom_right;
  };
  auto outer_colors = [](std::uint32_t bits) -> Colors {
    return bits == kBdrRaisedOuter ? Colors{kColor3DLight, kColor3DDkShadow}
                                   : Colors{kColorBtnShadow, kColorBtnHighlight};
  };
  auto inner_colors = [](std::uint32_t bits) -> Colors {
    return bits == kBdrRaisedInner ? Colors{kColorBtnHighlight, kColorBtnShadow}
                                   : Colors{kColor3DDkShadow, kColor3DLight};
  };
  const std::uint32_t outer = edge & (kBdrRaisedOuter | kBdrSunkenOuter);
  const std::uint32_t inner = edge & (kBdrRaisedInner | kBdrSunkenInner);
  if ((outer != 0 && outer != kBdrRaisedOuter && outer != kBdrSunkenOuter) ||
      (inner != 0 && inner != kBdrRaisedInner && inner != kBdrSunkenInner))
    return;  // both kinds on one border: not drawn
  Colors first, second{-1, -1};
  if (outer != 0) {
    first = outer_colors(outer);
    if (inner != 0) second = inner_colors(inner);
  } else if (inner != 0) {
    first = inner_colors(inner);
  } else {
    return;
  }
  const bool left = flags & 0x1, top = flags & 0x2, right = flags & 0x4, bottom = flags & 0x8;
  const std::int32_t l = r.left, t = r.top, rt = r.right, b = r.bottom;
  auto pen = [&](std::int32_t index) { return ColorToPixel(SysColor(index)); };
  constexpr std::int32_t kCopy = kDrawModeCopyPen;
  if (top) Line(l, t, rt, t, pen(first.top_left), kCopy);
  if (left) Line(l, t, l, b, pen(first.top_left), kCopy);
  if (bottom) Line(l, b - 1, rt, b - 1, pen(first.bottom_right), kCopy);
  if (right) Line(rt - 1, t, rt - 1, b, pen(first.bottom_right), kCopy);
  if (second.top_left < 0) return;
  if (top) Line(l + 1, t + 1, rt - 1, t + 1, pen(second.top_left), kCopy);
  if (left) Line(l + 1, t + 1, l + 1, b - 1, pen(second.top_left), kCopy);
  if (bottom) Line(l + 1, b - 2, rt - 1, b - 2, pen(second.bottom_right), kCopy);
  if (right) Line(rt - 2, t + 1, rt - 2, b - 1, pen(second.bottom_right), kCopy);
}

// An alternate-dot outline walked from the top-right corner leftwards, down, right and up;
// every other pixel of the walk is inverted, so pixels walked twice flip back.
void RasterSurface::DrawFocusRect(const Rect& rc) {
  std::int32_t l = std::min(rc.left, rc.right), rt = std::max(rc.left, rc.right);
  std::int32_t t = std::min(rc.top, rc.bottom), b = std::max(rc.top, rc.bottom);
  if (l == rt || t == b) return;
  const Point pts[5] = {{rt - 1, t}, {l, t}, {l, b - 1}, {rt - 1, b - 1}, {rt - 1, t}};
  std::int64_t k = 0;
  for (int s = 0; s < 4; ++s) {
    const Point a = pts[s], e = pts[s + 1];
    const std::int32_t sx = (e.x > a.x) - (e.x < a.x), sy = (e.y > a.y) - (e.y < a.y);
    const std::int32_t n = std::max(std::abs(e.x - a.x), std::abs(e.y - a.y));
    for (std::int32_t i = 0; i < n; ++i, ++k) {
      if (k % 2 != 0) continue;
      const std::int32_t x = a.x + sx * i, y = a.y + sy * i;
      if (Visible(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] ^= 0xFFFFFFFFu;
    }
  }
}

Size RasterSurface::MeasureText(std::u16string_view text) {
  if (textEngine_) return textEngine_->Measure(font_, text);
  // No engine: a fixed cell, half an em for narrow characters, a full em for wide ones.
  const std::int32_t em = font_.height < 0 ? -font_.height : (font_.height > 0 ? font_.height : 12);
  std::int32_t w = 0;
  for (char16_t c : text) w += c < 0x80 ? em / 2 : em;
  return Size{w, em};
}

void RasterSurface::DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) {
  if (!textEngine_) return;
  std::int32_t underline = -1;
  std::u16string shown = (flags & kDtNoPrefix) ? std::u16string(text) : StripPrefixes(text, underline);
  if (flags & kDtHidePrefix) underline = -1;
  textEngine_->Draw(*this, font_, shown, r.left, r.top, textColor_, underline, r);
}

bool RasterSurface::DrawIcon(const Picture& icon, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
  if (icon.Type() != PictureType::Icon) return false;
  const PictureImage& img = icon.Image();
  if (img.width <= 0 || img.height <= 0) return false;
  if (w == 0) w = img.width;
  if (h == 0) h = img.height;
  if (w < 0 || h < 0) return false;
  const bool has_mask = img.mask.size() == img.pixels.size();
  auto colour = [&](std::int32_t sx, std::int32_t sy) {
    return img.pixels[static_cast<std::size_t>(sy) * img.width + sx] & 0xFFFFFF;
  };
  auto mask = [&](std::int32_t sx, std::int32_t sy) -> std::uint32_t {
    return has_mask ? img.mask[static_cast<std::size_t>(sy) * img.width + sx] : 0;
  };
  const auto colours = StretchBlock(colour, 0, 0, img.width, img.height, w, h, Shrink::Last);
  const auto masks = StretchBlock(mask, 0, 0, img.width, img.height, w, h, Shrink::Last);
  for (std::int32_t j = 0; j < h; ++j)
    for (std::int32_t i = 0; i < w; ++i) {
      if (!Visible(x + i, y + j)) continue;
      const std::size_t s = static_cast<std::size_t>(j) * w + i;
      std::uint32_t& d = pixels_[static_cast<std::size_t>(y + j) * width_ + x + i];
      if (masks[s] == 0) d = 0;  // AND with the mask
      d ^= colours[s];           // then XOR with the colours
    }
  return true;
}

bool RasterSurface::CopyPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                                bool use_transparent, Color transparent) {
  if (bitmap.Type() != PictureType::Bitmap) return false;
  const PictureImage& img = bitmap.Image();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return false;
  const std::uint32_t key = ColorToPixel(transparent);
  // Source pixels outside the bitmap leave the destination alone.
  constexpr std::uint32_t kOutside = 0xFF000000u;
  auto source = [&](std::int32_t x, std::int32_t y) -> std::uint32_t {
    if (x < 0 || y < 0 || x >= img.width || y >= img.height) return kOutside;
    return img.pixels[static_cast<std::size_t>(y) * img.width + x] & 0xFFFFFF;
  };
  const auto block = StretchBlock(source, sx, sy, sw, sh, dw, dh, Shrink::And);
  for (std::int32_t j = 0; j < dh; ++j)
    for (std::int32_t i = 0; i < dw; ++i) {
      const std::uint32_t s = block[static_cast<std::size_t>(j) * dw + i];
      if ((s & kOutside) != 0 || !Visible(dx + i, dy + j)) continue;
      if (use_transparent && s == key) continue;
      pixels_[static_cast<std::size_t>(dy + j) * width_ + dx + i] = s;
    }
  return true;
}

bool RasterSurface::StretchBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                      std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                      std::int32_t sh) {
  return CopyPicture(bitmap, dx, dy, dw, dh, sx, sy, sw, sh, false, 0);
}

bool RasterSurface::TransparentBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                          std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                          std::int32_t sh, Color transparent) {
  return CopyPicture(bitmap, dx, dy, dw, dh, sx, sy, sw, sh, true, transparent);
}

bool RasterSurface::ReadPictureBits(const Picture& picture, PicturePlane plane, std::vector<std::uint8_t>& bits,
                                    std::int32_t& width, std::int32_t& height) {
  const PictureImage& img = picture.Image();
  if (picture.Type() != PictureType::Bitmap && picture.Type() != PictureType::Icon) return false;
  if (plane == PicturePlane::Mask && (picture.Type() != PictureType::Icon || img.mask.size() != img.pixels.size()))
    return false;
  width = img.width;
  height = img.height;
  const std::size_t row_bytes = DibBits::RowBytes(width, 24);
  bits.assign(row_bytes * static_cast<std::size_t>(height), 0);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* row = bits.data() + static_cast<std::size_t>(height - 1 - y) * row_bytes;
    for (std::int32_t x = 0; x < width; ++x) {
      const std::size_t s = static_cast<std::size_t>(y) * width + x;
      const std::uint32_t p = plane == PicturePlane::Mask ? (img.mask[s] ? 0xFFFFFFu : 0u) : img.pixels[s];
      row[3 * x] = static_cast<std::uint8_t>(p);
      row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
      row[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
    }
  }
  return true;
}

std::uintptr_t RasterSurface::SetWindowRegion(const RegionShape& region) {
  nextRegionHandle_ += 4;
  if (hasRegion_ && region == regionShape_) return nextRegionHandle_;  // the mask stands
  regionShape_ = region;
  region_ = RegionMask(region, width_, height_);
  hasRegion_ = true;
  // Note each row's run, if the region has one run per row.
  regionInRuns_ = true;
  runLeft_.assign(static_cast<std::size_t>(height_), 0);
  runRight_.assign(static_cast<std::size_t>(height_), 0);
  for (std::int32_t y = 0; y < height_ && regionInRuns_; ++y) {
    const std::uint8_t* mask = region_.data() + static_cast<std::size_t>(y) * width_;
    const std::uint8_t* first = std::find(mask, mask + width_, 1);
    const std::uint8_t* end = std::find(first, mask + width_, 0);
    if (std::find(end, mask + width_, 1) != mask + width_) regionInRuns_ = false;
    runLeft_[static_cast<std::size_t>(y)] = static_cast<std::int32_t>(first - mask);
    runRight_[static_cast<std::size_t>(y)] = static_cast<std::int32_t>(end - mask);
  }
  return nextRegionHandle_;
}

}  // namespace quillet
