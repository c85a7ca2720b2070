// src/button: the QuilletButton control and, in styles/, one file per look. It draws through
// the Surface interface and reaches its window through ControlHost only, and includes no
// platform folder and no Windows header.
//
// QuilletButton: the owner-drawn, sixteen-style push button.
//
// The control is driven by its ControlHost: lifecycle (Handle*), input, hooked window
// messages (OnHookedMessage), paint and resize. Properties are get/set pairs named after the
// property. Style renderers and the caption routine read the state below and draw through
// the members that forward to the drawing primitives.
//
// Files: button_properties.cpp (setters), button_persistence.cpp (load, save),
// button_lifecycle.cpp (create, first placement, destroy, About), button_input.cpp (input),
// hover_tracking.cpp (with hook_table.cpp), redraw.cpp and style_defaults.cpp
// (drawing), access_key.cpp (UpdateAccessKey), button_primitives.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "button/button_types.h"
#include "button/control_host.h"
#include "button/font.h"
#include "button/hook_table.h"
#include "button/persisted_property_set.h"
#include "button/surface.h"

namespace quillet {

// Arguments of the last mouse-down notification, kept for the double click.
struct MouseDownRecord {
  std::int16_t button = 0;
  std::int16_t shift = 0;
  float x = 0;
  float y = 0;
  friend bool operator==(const MouseDownRecord&, const MouseDownRecord&) = default;
};

// Persisted-format defaults.
inline constexpr std::u16string_view kCaptionDefault = u"marrowbutton";
constexpr std::uint32_t kMaskColorDefault = 0x00E0E0E0;

class QuilletButton final : public SubclassTarget {
 public:
  explicit QuilletButton(ControlHost& host);
  ~QuilletButton() override;
  QuilletButton(const QuilletButton&) = delete;
  QuilletButton& operator=(const QuilletButton&) = delete;

  // --- the control's message procedure (never answers a message itself) ---
  void OnHookedMessage(bool before, bool& handled, MessageResult& result, WindowHandle& hwnd, std::uint32_t& msg,
                       WParam& wParam, LParam& lParam) override;

  // Modal "About" box naming the control; changes nothing.
  void About();

  // --- properties, in declaration order ---
  Color BackColor() const { return backColor_; }
  void BackColor(Color value);
  quillet::ButtonStyle ButtonStyle() const { return static_cast<quillet::ButtonStyle>(buttonStyle_); }
  void ButtonStyle(quillet::ButtonStyle value);
  const std::u16string& Caption() const { return caption_; }
  void Caption(std::u16string value);
  quillet::CaptionAlign CaptionAlign() const { return static_cast<quillet::CaptionAlign>(captionAlign_); }
  void CaptionAlign(quillet::CaptionAlign value);
  bool CheckBoxMode() const { return checkBoxMode_; }
  void CheckBoxMode(bool value);
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  FontPtr Font() const { return font_; }
  void Font(FontPtr value);
  // The font object reported a change (and the Font setter runs it too).
  void OnFontChanged(std::u16string_view propertyName);
  Color ForeColor() const { return foreColor_; }
  void ForeColor(Color value);
  bool HandPointer() const { return handPointer_; }
  void HandPointer(bool value);
  WindowHandle hWnd() const;
  Color MaskColor() const { return maskColor_; }
  void MaskColor(Color value);
  PicturePtr MouseIcon() const;
  void MouseIcon(PicturePtr value);
  std::int32_t MousePointer() const;
  // Narrows to 16 bits; throws std::overflow_error (nothing changed) outside that range.
  void MousePointer(std::int32_t value);
  PicturePtr Picture() const { return picture_; }
  void Picture(PicturePtr value);
  quillet::PictureAlign PictureAlign() const { return static_cast<quillet::PictureAlign>(pictureAlign_); }
  void PictureAlign(quillet::PictureAlign value);
  quillet::PictureSize PictureSize() const { return static_cast<quillet::PictureSize>(pictureSize_); }
  void PictureSize(quillet::PictureSize value);
  PicturePtr PictureHover() const { return pictureHover_; }
  void PictureHover(PicturePtr value);
  bool ShowFocusRect() const { return showFocusRect_; }
  void ShowFocusRect(bool value);
  bool UseMaskColor() const { return useMaskColor_; }
  void UseMaskColor(bool value);
  bool Value() const { return value_; }
  void Value(bool value);

  // --- lifecycle, called by the host ---
  // The name a form gives the ordinal-th button placed on it (1, 2, ...), as a designer
  // numbers new controls: the class name and the number. A new button's caption is its name.
  static std::u16string NameOnForm(int ordinal);
  void HandleCreate();
  void HandleFirstPlacement();
  void HandleLoad(const PersistedPropertySet& set);
  void HandleSave(PersistedPropertySet& set);
  void HandleDestroy();

  // --- input, focus and ambient changes ---
  void HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  void HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void HandleDoubleClick();
  // `repeat`: the key was down already (auto-repeat).
  void HandleKeyDown(std::int16_t keyCode, std::int16_t shift, bool repeat = false);
  void HandleKeyUp(std::int16_t keyCode, std::int16_t shift);
  void HandleAccessKey(std::int16_t charCode);
  void HandleFocusGained();
  void HandleFocusLost();
  // Another window took the mouse capture, or the system cancelled the mode: a press in
  // progress ends without a click.
  void HandleCaptureLost();
  // A program presses the button (BM_CLICK): as a click, without running other messages.
  void HandleClickMessage();
  // System colours, high contrast or the theme changed: draw again with the new ones.
  void HandleSystemColorsChanged();
  // Releases the mouse capture if this control holds it, without ending its own press.
  void ReleaseOwnCapture();
  void HandleAmbientChange(std::string_view propertyName);
  // The window was moved under another container (SetParent from a parking window, say):
  // activation and the colour changes are followed there from now on.
  void HandleContainerChanged();

  // --- hover tracking and hooking ---
  bool IsFunctionExported(std::string_view functionName, std::string_view libraryName);
  void StartMouseTracking(WindowHandle window);
  std::size_t HookWindow(WindowHandle window) { return hooks_.HookWindow(window); }
  void AddHookedMessage(WindowHandle window, std::uint32_t message, std::uint32_t when) {
    hooks_.AddHookedMessage(window, message, when);
  }
  void UnhookWindow(WindowHandle window) { hooks_.UnhookWindow(window); }
  void UnhookAll() { hooks_.UnhookAll(); }
  const HookTable& Hooks() const { return hooks_; }

  // --- redraw, region, style palettes, resize, paint ---
  void Redraw();
  void ApplyButtonRegion();
  void ApplyStyleDefaults();
  void Resize();
  void Paint();

  // --- Access key (the caption drawing lives in caption_picture.h) ---
  void UpdateAccessKey();

  // --- State read by renderers, the caption routine and tests ---
  quillet::DrawState DrawState() const { return drawState_; }
  bool MouseOver() const { return mouseOver_; }
  bool LeftButtonDown() const { return leftButtonDown_; }
  bool HasFocus() const { return hasFocus_; }
  bool SpaceDown() const { return spaceDown_; }
  bool ParentActive() const { return parentActive_; }
  bool DisplayAsDefault() const { return displayAsDefault_; }
  const MouseDownRecord& LastMouseDown() const { return lastMouseDown_; }
  // What renderers show now: the focus rectangle (ShowFocusRect, unless the form hides focus
  // cues) and the high-contrast look.
  bool DrawsFocusRect() const { return showFocusRect_ && !host_.FocusCueHidden(); }
  bool HighContrastLook() const { return host_.HighContrast(); }
  bool UnicodePlatform() const { return unicodePlatform_; }
  CursorHandle HandCursor() const { return handCursor_; }
  WindowHandle ParentWindow() const { return parentWindow_; }
  bool TrackingAvailable() const { return trackingAvailable_; }
  bool TrackInUser32() const { return trackInUser32_; }
  std::int32_t ButtonWidth() const { return buttonWidth_; }
  std::int32_t ButtonHeight() const { return buttonHeight_; }
  const Rect& ButtonRect() const { return buttonRect_; }
  std::uintptr_t RegionHandle() const { return regionHandle_; }
  std::int32_t PictureDrawWidth() const { return pictureDrawWidth_; }
  std::int32_t PictureDrawHeight() const { return pictureDrawHeight_; }
  const Rect& CaptionFocusRect() const { return captionFocusRect_; }
  std::u16string AccessKeys() const;

  // --- What renderers draw with ---
  ControlHost& Host() const { return host_; }
  Surface& DrawingSurface() const { return host_.DrawingSurface(); }
  // The containing form's background colour, resolved to plain RGB.
  Color AmbientBackColor() const;

  // Drawing primitives, forwarding to the free functions of button/primitives.h.
  void PaintLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color);
  void PaintFrameRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color);
  void PaintRect(Color color, const Rect& rect);
  void PaintGradient(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color color1,
                     Color color2, std::int32_t direction);
  // Refreshes ButtonWidth and ButtonHeight first.
  void PaintCornerPixels(Color color);
  Color ResolveColor(Color color, std::uintptr_t palette = 0) const;
  static Color AverageColors(Color color1, Color color2);
  static Color OffsetColor(Color color, float amount);

 private:
  friend void DrawCaptionAndPicture(QuilletButton& button);
  friend void RenderSilverHover(QuilletButton& button, quillet::DrawState state);  // sets the caption colour

  void SetDrawState(quillet::DrawState state) { drawState_ = state; }
  void SetPointer();
  void RaiseEvent(ButtonEvent event);
  void RaiseMouseEvent(ButtonEvent event, std::int16_t button, std::int16_t shift, float x, float y);
  void RaiseKeyEvent(ButtonEvent event, std::int16_t keyCode, std::int16_t shift);
  void Notify(std::string_view name) { host_.PropertyChanged(name); }
  void CacheButtonSize();
  bool AmbientUserMode();
  FontPtr AmbientFont();
  void SetFontMember(FontPtr font);
  void StartHoverTracking();
  // Step 4 of StartHoverTracking: hooks the container's activation and colour changes.
  void HookContainer();

  ControlHost& host_;
  HookTable hooks_;

  // Properties.
  Color backColor_ = 0;
  std::int32_t buttonStyle_ = 0;
  std::u16string caption_;
  std::int32_t captionAlign_ = 0;
  bool checkBoxMode_ = false;
  bool enabled_ = false;
  FontPtr font_;
  std::uint64_t fontSubscription_ = 0;
  Color foreColor_ = 0;
  bool handPointer_ = false;
  Color maskColor_ = 0;
  PicturePtr picture_;
  std::int32_t pictureAlign_ = 0;
  std::int32_t pictureSize_ = 0;
  PicturePtr pictureHover_;
  bool showFocusRect_ = false;
  bool useMaskColor_ = false;
  bool value_ = false;

  // Interaction state.
  quillet::DrawState drawState_ = quillet::DrawState::Normal;
  bool mouseOver_ = false;
  bool leftButtonDown_ = false;
  bool hasFocus_ = false;
  bool spaceDown_ = false;
  bool parentActive_ = false;
  bool displayAsDefault_ = false;
  MouseDownRecord lastMouseDown_;
  bool releasingCapture_ = false;

  // Platform state.
  bool unicodePlatform_ = false;
  CursorHandle handCursor_ = 0;
  WindowHandle parentWindow_ = 0;
  bool trackingAvailable_ = false;
  bool trackInUser32_ = false;

  // Drawing caches.
  std::int32_t buttonWidth_ = 0;
  std::int32_t buttonHeight_ = 0;
  Rect buttonRect_;
  std::uintptr_t regionHandle_ = 0;
  std::int32_t pictureDrawWidth_ = 0;
  std::int32_t pictureDrawHeight_ = 0;
  Rect captionFocusRect_;
};

}  // namespace quillet
