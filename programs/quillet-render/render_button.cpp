#include "render_button.h"

#include <cmath>
#include <memory>

#include "button/primitives.h"
#include "raster/region_mask.h"

namespace quillet::render {

HeadlessPlacement PlacementFor(const RenderOptions& o) {
  HeadlessPlacement p;
  p.width_twips = o.width * 15;
  p.height_twips = o.height * 15;
  return p;
}

void DriveButton(HeadlessHost& host, const RenderOptions& o, const ButtonPictures& pictures,
                 const std::function<void(HeadlessHost&)>& size_settled) {
  QuilletButton& b = host.Create();
  host.Load(PersistedPropertySet{});
  if (size_settled) size_settled(host);

  // The style's defaults first; explicit colours override them.
  b.ButtonStyle(static_cast<ButtonStyle>(o.style));
  if (o.back_color) b.BackColor(*o.back_color);
  if (o.fore_color) b.ForeColor(*o.fore_color);
  if (o.show_focus_rect) b.ShowFocusRect(*o.show_focus_rect);
  if (o.font || o.font_size) {
    FontDescription d = b.Font() ? b.Font()->Description() : host.DrawingSurface().Font();
    if (o.font) d.face = *o.font;
    // Points to a character height in pixels at 96 dots per inch.
    if (o.font_size) d.height = -RoundHalfEven(*o.font_size * 96.0 / 72.0);
    b.Font(std::make_shared<Font>(d));
  }
  b.Caption(o.caption);
  if (o.caption_align) b.CaptionAlign(static_cast<CaptionAlign>(*o.caption_align));
  if (o.picture_size) b.PictureSize(static_cast<PictureSize>(*o.picture_size));
  if (o.mask_color) b.MaskColor(*o.mask_color);
  if (o.use_mask_color) b.UseMaskColor(*o.use_mask_color);
  if (pictures.picture) b.Picture(pictures.picture);
  if (pictures.hover) b.PictureHover(pictures.hover);
  if (o.picture_align) b.PictureAlign(static_cast<PictureAlign>(*o.picture_align));
  b.CheckBoxMode(o.checkbox);
  if (o.value) b.Value(true);
  b.Enabled(o.enabled);

  if (o.active) host.Form().Activate();
  if (o.focus) host.Focus();
  if (o.display_as_default) host.ChangeAmbient("DisplayAsDefault", true);
  if (o.look != Look::Normal) host.MovePointerTo(o.width / 2, o.height / 2);
  if (o.look == Look::Pressed) host.PressButton(kLeftButton);
  host.PaintNow();
}

std::optional<RegionShape> LastRegion(HeadlessHost& host) {
  const auto& regions = host.Regions();
  if (regions.empty()) return std::nullopt;
  return regions.back();
}

std::vector<std::uint8_t> ButtonRgba(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                     const std::optional<RegionShape>& region) {
  const std::size_t n = static_cast<std::size_t>(width) * height;
  const std::vector<std::uint8_t> inside =
      region ? RegionMask(*region, width, height) : std::vector<std::uint8_t>(n, 1);
  std::vector<std::uint8_t> rgba(n * 4, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (!inside[i]) continue;
    rgba[4 * i] = static_cast<std::uint8_t>(pixels[i] >> 16);
    rgba[4 * i + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
    rgba[4 * i + 2] = static_cast<std::uint8_t>(pixels[i]);
    rgba[4 * i + 3] = 255;
  }
  return rgba;
}

}  // namespace quillet::render
