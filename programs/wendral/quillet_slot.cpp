#include "quillet_slot.h"

#include <memory>

#include "button/font.h"
#include "win32/button_window.h"
#include "win32/wide_text.h"

namespace wendral::win32 {

HWND CreateQuilletSlot(HWND form, int id, const TwipRect& place, std::string_view caption, int dpi) {
  quillet::FontDescription font;
  font.face = WidenU16(layout::kFontFace);
  font.height = FontHeight(layout::kFormFontCentipoints, dpi);
  font.weight = 400;
  font.charset = static_cast<std::uint8_t>(layout::kGb2312Charset);
  quillet::PersistedPropertySet properties;
  properties.Put("Caption", WidenU16(caption));
  properties.Put("ButtonStyle", std::int32_t{2});
  properties.Put("Font", std::make_shared<quillet::Font>(font));
  properties.Put("BackColor", static_cast<std::int32_t>(layout::kButtonBackColor));
  quillet::win32::ButtonWindow* button = quillet::win32::CreateQuilletButton(
      form, id, {place.left, place.top, place.width, place.height}, properties);
  return button ? button->Handle() : nullptr;
}

void SetSlotCaption(HWND button, std::string_view caption) {
  if (auto* window = quillet::win32::ButtonWindow::FromWindow(button)) window->SetCaption(WidenU16(caption));
}

void SetSlotEnabled(HWND button, bool enabled) {
  if (auto* window = quillet::win32::ButtonWindow::FromWindow(button)) window->SetEnabled(enabled);
}

}  // namespace wendral::win32
