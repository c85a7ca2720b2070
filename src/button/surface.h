// The drawing surface of QuilletButton: everything the style renderers, the caption and
// picture routine and the window-region code draw through.
//
// Two implementations draw: GdiSurface (src/win32/, a window's device context or a memory
// DIB) and RasterSurface (src/raster/, a 32-bit pixel buffer that matches GDI pixel for pixel
// outside text); RecordingSurface (src/headless/) writes the calls down for tests. No Windows
// header here: the numeric constants below carry the Win32 values, so code that uses them
// reads like the Win32 calls it stands for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// COLORREF, 0x00BBGGRR (red in the low byte). 0x80000000 + n names system colour n; the
// drawing calls take plain RGB (the control resolves system colours with ResolveColor).
using Color = std::uint32_t;

constexpr Color MakeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
constexpr std::uint8_t RedOf(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// Win32 RECT: right and bottom exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// System colour indices (GetSysColor), the ones the control and DrawEdge use.
enum SysColorIndex : std::int32_t {
  kColorWindow = 5,
  kColorWindowText = 8,
  kColorBtnFace = 15,    // COLOR_3DFACE
  kColorBtnShadow = 16,  // COLOR_3DSHADOW
  kColorGrayText = 17,
  kColorBtnText = 18,
  kColorBtnHighlight = 20,  // COLOR_3DHILIGHT
  kColor3DDkShadow = 21,
  kColor3DLight = 22,
  kSysColorCount = 31,  // indices 0..30 (COLOR_MENUBAR = 30)
};

// DrawEdge edge kinds and flags (Win32 values). Renderers use EDGE_RAISED, EDGE_SUNKEN and
// BDR_RAISEDINNER with BF_RECT.
constexpr std::uint32_t kBdrRaisedOuter = 0x0001;
constexpr std::uint32_t kBdrSunkenOuter = 0x0002;
constexpr std::uint32_t kBdrRaisedInner = 0x0004;
constexpr std::uint32_t kBdrSunkenInner = 0x0008;
constexpr std::uint32_t kEdgeRaised = kBdrRaisedOuter | kBdrRaisedInner;  // 0x05
constexpr std::uint32_t kEdgeSunken = kBdrSunkenOuter | kBdrSunkenInner;  // 0x0A
constexpr std::uint32_t kBfRect = 0x000F;

// DrawText flags (Win32 values); the caption uses DT_SINGLELINE only (prefix processing on).
constexpr std::uint32_t kDtSingleLine = 0x0020;
constexpr std::uint32_t kDtNoPrefix = 0x0800;
constexpr std::uint32_t kDtHidePrefix = 0x00100000;  // "&" marks, but no underline

// Raster operations for StretchDIBits (Win32 values).
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kSrcAnd = 0x008800C6;
constexpr std::uint32_t kSrcPaint = 0x00EE0086;

// DrawMode: the Win32 binary raster operation (R2_*) applied to pen lines.
// 13 = R2_COPYPEN (the default), 6 = R2_NOT (invert), 7 = R2_XORPEN ...
constexpr std::int32_t kDrawModeCopyPen = 13;
constexpr std::int32_t kDrawModeInvert = 6;

// Font of the surface (a LOGFONT subset). height < 0: character height in pixels; > 0: cell
// height; 0: default.
struct FontDescription {
  std::u16string face = u"\u5b8b\u4f53";  // 宋体
  std::int32_t height = -12;
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  std::uint8_t charset = 134;  // GB2312_CHARSET
  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// Picture types of the platform picture object (OLE PICTYPE_*).
enum class PictureType : std::int32_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };

// Pixels of a picture, for implementations that draw them themselves.
struct PictureImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  // width * height pixels, rows top-down, each 0x00RRGGBB (blue in the low byte, as in a
  // 32-bit DIB). For an icon this is the XOR (colour) image.
  std::vector<std::uint32_t> pixels;
  // Icons only: width * height bytes, rows top-down, 1 where the AND mask is set (the icon
  // is transparent there), 0 where it is opaque. Empty for bitmaps.
  std::vector<std::uint8_t> mask;
};

// A platform picture object, shared between the control and its holder. Type none has no
// handle and size 0.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual PictureType Type() const = 0;
  // HBITMAP or HICON on Windows; an opaque non-zero id elsewhere; 0 for type none.
  virtual std::uintptr_t Handle() const = 0;
  // Size in himetric units (0.01 mm).
  virtual Size HimetricSize() const = 0;
  // Pixel data (width/height in pixels).
  virtual const PictureImage& Image() const = 0;
};
using PicturePtr = std::shared_ptr<Picture>;

// Device-independent bits handed to StretchDIBits, or read back from a picture (GetDIBits).
// Rows are bottom-up (BITMAPINFOHEADER height > 0), each row padded to 4 bytes; 24 bits per
// pixel (blue, green, red) or 32 (blue, green, red, unused). BI_RGB, DIB_RGB_COLORS.
struct DibBits {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bit_count = 32;
  const void* bits = nullptr;

  static constexpr std::size_t RowBytes(std::int32_t width, std::int32_t bit_count) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bit_count) + 31) / 32) * 4;
  }
};

// Which part of a picture ReadPictureBits returns.
enum class PicturePlane { Colour, Mask };

// A window region description: CreateRectRgn or CreateRoundRectRgn (ellipse width/height).
struct RegionShape {
  enum class Kind { Rect, RoundRect };
  Kind kind = Kind::Rect;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::int32_t ellipse_width = 0;   // RoundRect only
  std::int32_t ellipse_height = 0;  // RoundRect only

  static RegionShape FromRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    return RegionShape{Kind::Rect, l, t, r, b, 0, 0};
  }
  static RegionShape FromRoundRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::int32_t ew,
                                   std::int32_t eh) {
    return RegionShape{Kind::RoundRect, l, t, r, b, ew, eh};
  }
  friend bool operator==(const RegionShape&, const RegionShape&) = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // --- Size and native handle ---
  // Client size in pixels (ScaleWidth, ScaleHeight).
  virtual std::int32_t Width() const = 0;
  virtual std::int32_t Height() const = 0;
  // The device context (HDC) on Windows, 0 where there is none.
  virtual std::uintptr_t NativeHandle() const { return 0; }

  // --- System colours ---
  // GetSysColor(index); indices outside 0..30 give 0.
  virtual Color SysColor(std::int32_t index) const = 0;

  // --- Surface state (the host surface's properties) ---
  virtual void SetBackColor(Color c) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetForeColor(Color c) = 0;
  virtual Color ForeColor() const = 0;
  // R2_* binary raster operation for pen lines (1..16; kDrawModeCopyPen by default).
  virtual void SetDrawMode(std::int32_t mode) = 0;
  virtual std::int32_t DrawMode() const = 0;
  // Clears the whole surface to the background colour.
  virtual void Cls() = 0;

  // --- Primitive drawing (GDI semantics) ---
  // One-pixel solid pen from (x1, y1) up to but not including (x2, y2): MoveToEx + LineTo.
  virtual void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) = 0;
  // FillRect with a solid brush.
  virtual void FillRect(const Rect& r, Color color) = 0;
  // FrameRect with a solid brush (one-pixel outline).
  virtual void FrameRect(const Rect& r, Color color) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, Color color) = 0;
  // GetPixel: the colour at (x, y), or 0xFFFFFFFF (CLR_INVALID) outside the surface.
  virtual Color GetPixel(std::int32_t x, std::int32_t y) const = 0;
  // StretchDIBits(dest x, y, w, h, src x, y, w, h, bits, DIB_RGB_COLORS, rop). The control
  // uses 32-bit at 1:1 with SRCCOPY (gradients) and 24-bit scaled with SRCAND / SRCPAINT
  // (grey disabled picture). Returns the number of scan lines copied, 0 on failure.
  virtual std::int32_t StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                                     std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                                     const DibBits& bits, std::uint32_t rop) = 0;
  // A two-colour gradient over r laid out as PaintGradient defines it (direction 0 to 3,
  // r at least one pixel each way), written straight into the surface's pixels. A surface
  // that cannot do this returns false and gets the pixels through StretchDIBits instead.
  virtual bool FillGradient(const Rect& /*r*/, Color /*color1*/, Color /*color2*/, std::int32_t /*direction*/) {
    return false;
  }
  // DrawEdge(rect, edge, flags) with the system colours of the surface.
  virtual void DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) = 0;
  // DrawFocusRect: the dotted XOR focus rectangle.
  virtual void DrawFocusRect(const Rect& r) = 0;

  // --- Text (excluded from pixel comparisons) ---
  virtual void SetFont(const FontDescription& font) = 0;
  virtual const FontDescription& Font() const = 0;
  virtual void SetTextColor(Color c) = 0;
  // TextWidth / TextHeight of a single line, measured as stored ("&" included).
  virtual Size MeasureText(std::u16string_view text) = 0;
  // DrawText(text, rect, flags), transparent background. Flags: kDtSingleLine (plus
  // kDtNoPrefix to turn "&" processing off). With prefix processing "&x" draws x underlined
  // and "&&" draws one "&".
  virtual void DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) = 0;

  // --- Pictures ---
  // DrawIconEx(x, y, icon, w, h, 0, no brush, DI_NORMAL): the icon scaled to w x h.
  virtual bool DrawIcon(const Picture& icon, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) = 0;
  // StretchBlt(SRCCOPY) from a memory DC holding the bitmap.
  virtual bool StretchBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                 std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                 std::int32_t sh) = 0;
  // TransparentBlt: pixels of exactly `transparent` stay unpainted.
  virtual bool TransparentBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                     std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                     std::int32_t sh, Color transparent) = 0;
  // GetDIBits of a picture's colour bitmap (an icon's colour image, a bitmap itself) or of
  // an icon's mask, as a 24-bit bottom-up DIB with rows padded to 4 bytes. Returns false
  // for a picture that has no such plane (the mask of a bitmap).
  virtual bool ReadPictureBits(const Picture& picture, PicturePlane plane, std::vector<std::uint8_t>& bits,
                               std::int32_t& width, std::int32_t& height) = 0;

  // --- Window region ---
  // Creates the region (CreateRectRgn / CreateRoundRectRgn) and hands it to the window
  // (SetWindowRgn, redraw true). The window owns it from then on; the result is the region
  // handle (non-zero) or 0 on failure.
  virtual std::uintptr_t SetWindowRegion(const RegionShape& region) = 0;
};

}  // namespace quillet
