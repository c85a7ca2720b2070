#include "button/caption_layout.h"

#include <algorithm>
#include <cmath>

#include "button/primitives.h"

namespace quillet {
namespace {

// Every halving is taken on its own, truncating toward zero.
constexpr std::int32_t half(std::int32_t v) { return v / 2; }

}  // namespace

Size PictureDrawSize(std::int32_t picture_size, Size natural_pixels, Size previous, double dpi_scale) {
  const auto side = [dpi_scale](std::int32_t pixels) {
    const std::int32_t scaled = RoundHalfEven(pixels * dpi_scale);
    return Size{scaled, scaled};
  };
  switch (picture_size) {
    case 0: return natural_pixels;
    case 1: return side(16);
    case 2: return side(24);
    case 3: return side(32);
    default: return previous;
  }
}

CaptionLayout LayOutCaption(const CaptionLayoutInput& in) {
  const std::int32_t W = in.width, H = in.height;
  const std::int32_t TW = in.text.cx, TH = in.text.cy;
  std::int32_t PW = in.picture.cx, PH = in.picture.cy;
  std::int32_t PX = 0, PY = 0, CX = 0, CY = 0;

  switch (in.picture_align) {
    case 0:
      PX = 4;
      PY = half(H - PH);
      CX = std::max(half(W) - half(TW) + half(PW), PW + 8);
      CY = half(H) - half(TH);
      break;
    case 1:
      PX = std::max(half(W - (PW + TW)), 4);
      PY = half(H - PH);
      CX = std::max(half(W) - half(TW) + half(PW) + 3, PW + 8);
      CY = half(H) - half(TH);
      break;
    case 2:
      PX = W - PW - 4;
      PY = half(H - PH);
      CX = W - TW - 4 - PW;
      CY = half(H) - half(TH);
      break;
    case 3:
      PX = std::min(half(W - (PW - TW)), W - PW - 4);
      PY = half(H - PH);
      CX = half(W) - half(TW) - half(PW) - 3;
      if (CX < 0) CX = W - TW - 4 - PW;
      CY = half(H) - half(TH);
      break;
    case 4:
      PX = half(W - PW);
      PY = half(H - PH);
      CX = half(W) - half(TW);
      CY = half(H) - half(TH);
      break;
    case 5:
      PX = half(W - PW);
      PY = 4;
      CX = half(W) - half(TW);
      CY = half(PH) + half(H) - half(TH) + 2;
      break;
    case 6:
      PX = half(W - PW);
      PY = std::max(half(H - (TH + PH)), 4);
      CX = half(W) - half(TW);
      CY = half(PH) + half(H) - half(TH) + 2;
      break;
    case 7:
      PX = half(W - PW);
      PY = H - PH - 4;
      CX = half(W) - half(TW);
      CY = half(H) - half(PH) - half(TH) - 2;
      break;
    case 8:
      PX = half(W - PW);
      PY = std::min(half(H - (PH - TH)), H - PH - 4);
      CX = half(W) - half(TW);
      CY = half(H) - half(PH) - half(TH) - 2;
      break;
    default: break;
  }
  PX = std::max(PX, 1);
  PY = std::max(PY, 1);

  // A picture too big for the button shrinks in size only, never moves.
  if (in.scale_width < PX + PW) PW = RoundHalfEven(in.scale_width - 8);
  if (in.scale_height < PY + PH) PH = RoundHalfEven(in.scale_height - 4);

  if (!in.has_picture) {
    switch (in.caption_align) {
      case 0: CX = 4; break;
      case 1: CX = half(W) - half(TW); break;
      case 2: CX = W - TW - 4; break;
      default: break;
    }
    PX = PY = 0;
    CY = half(H) - half(TH);
  } else if (in.caption_align == 0) {
    switch (in.picture_align) {
      case 0: CX = PW + 8; break;
      case 1:
        PX = 4;
        CX = PW + 8;
        break;
      case 2:
        if (CX >= 4) CX = 4;
        break;
      case 3:
        CX = 4;
        PX = TW + 4;
        break;
      case 4:
      case 5:
      case 6:
      case 7:
      case 8: CX = 4; break;
      default: break;
    }
  } else if (in.caption_align == 1) {
    if (in.picture_align == 2 && CX >= 0) CX = half(W) - half(TW);
  } else if (in.caption_align == 2) {
    switch (in.picture_align) {
      case 0: CX = std::max(W - TW - 4, PW + 4); break;
      case 1:
        CX = W - TW - 4;
        PX = CX - PW - 4;
        break;
      case 2: CX = W - TW - 4 - PW; break;
      case 3:
        PX = W - PW - 4;
        CX = W - TW - 4 - PW;
        break;
      case 4:
      case 5:
      case 6:
      case 7:
      case 8: CX = W - TW - 4; break;
      default: break;
    }
  }

  // The "&" is measured in TW but not drawn.
  if (in.has_access_key) CX += 3;

  const bool pressed = in.state == DrawState::Pressed;
  const std::int32_t s = in.style;
  const bool sinks = s == 0 || s == 1 || s == 3 || s == 8;
  if (sinks && pressed) {
    PX += 1;
    PY += 1;
  } else if (s == 5) {
    const std::int32_t d = pressed ? 2 : -1;
    PX += d;
    PY += d;
  }

  CaptionLayout out;
  out.picture_position = Point{PX, PY};
  out.picture_size = Size{PW, PH};
  out.caption = Point{CX, CY};
  if (pressed && sinks) {
    out.caption_rect = Rect{CX + 1, CY + 1, CX + TW + 1, CY + TH + 1};
  } else if (pressed && s == 5) {
    out.caption_rect = Rect{CX + 1, CY + 2, CX + TW + 1, CY + TH + 1};
  } else if (s == 14) {
    out.caption_rect = Rect{CX, CY - 1, CX + TW, CY + TH - 1};
  } else if (s == 5) {
    out.caption_rect = Rect{CX - 2, CY - 2, CX + TW - 2, CY + TH - 2};
  } else {
    out.caption_rect = Rect{CX, CY, CX + TW, CY + TH};
    if (!pressed) out.focus_rect = Rect{CX - 2, CY, CX + TW + 1, CY + TH + 1};
  }
  return out;
}

}  // namespace quillet
