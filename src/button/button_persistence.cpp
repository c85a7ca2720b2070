// HandleLoad and HandleSave, the persisted format of 19 keys.
//
// Keys are read in the table's order and written in the save order. Read and write
// defaults are the same for every key; the Caption write default is "marrowbutton", the
// read default, so that every caption, "marrowbutton1" included, survives a save and load
// (the original wrote against "marrowbutton1" and dropped that caption).
#include "button/quillet_button.h"

namespace quillet {
namespace {

PropertyValue ColorValue(Color c) { return static_cast<std::int32_t>(c); }
Color ToColor(const PropertyValue& v) { return static_cast<Color>(ToInt32(v)); }
PropertyValue Int32Value(std::int32_t v) { return v; }

constexpr std::int32_t kButtonStyleDefault = 1;
constexpr std::int32_t kPictureSizeDefault = 0;
constexpr std::int32_t kPictureAlignDefault = 1;
constexpr std::int32_t kCaptionAlignDefault = 1;
constexpr std::int16_t kMousePointerDefault = 0;

}  // namespace

void QuilletButton::HandleLoad(const PersistedPropertySet& set) {
  // 1. The 19 keys, in reading order, straight into the fields.
  const FontPtr ambient_font = AmbientFont();
  const Color face = kSysColorButtonFace;
  const Color text = kSysColorButtonText;

  buttonStyle_ = ToInt32(set.Read("ButtonStyle", Int32Value(kButtonStyleDefault)));
  showFocusRect_ = ToBool(set.Read("ShowFocusRect", false));
  SetFontMember(ToFont(set.Read("Font", ambient_font)));
  if (font_) DrawingSurface().SetFont(font_->Description());
  backColor_ = ToColor(set.Read("BackColor", ColorValue(face)));
  enabled_ = ToBool(set.Read("Enabled", true));
  caption_ = ToText(set.Read("Caption", std::u16string(kCaptionDefault)));
  value_ = ToBool(set.Read("Value", false));
  host_.SetMousePointer(ToInt16(set.Read("MousePointer", kMousePointerDefault)));
  handPointer_ = ToBool(set.Read("HandPointer", false));
  host_.SetMouseIcon(ToPicture(set.Read("MouseIcon", PicturePtr{})));
  picture_ = ToPicture(set.Read("Picture", PicturePtr{}));
  pictureHover_ = ToPicture(set.Read("PictureHover", PicturePtr{}));
  pictureSize_ = ToInt32(set.Read("PictureSize", Int32Value(kPictureSizeDefault)));
  maskColor_ = ToColor(set.Read("MaskColor", ColorValue(kMaskColorDefault)));
  useMaskColor_ = ToBool(set.Read("UseMaskCOlor", false));
  checkBoxMode_ = ToBool(set.Read("CheckBoxMode", false));
  pictureAlign_ = ToInt32(set.Read("PictureAlign", Int32Value(kPictureAlignDefault)));
  captionAlign_ = ToInt32(set.Read("CaptionAlign", Int32Value(kCaptionAlignDefault)));
  foreColor_ = ToColor(set.Read("ForeColor", ColorValue(text)));

  // 2. Surface fore colour and window enabled state.
  DrawingSurface().SetForeColor(foreColor_);
  host_.SetWindowEnabled(enabled_);
  // 3. to 6.
  UpdateAccessKey();
  CacheButtonSize();
  parentWindow_ = host_.ContainerWindow();
  Resize();

  // 7. Run time only: the hand pointer, then hover tracking.
  if (AmbientUserMode()) {
    if (handPointer_) {
      handCursor_ = host_.LoadSystemCursor(kIdcHand);
      handPointer_ = handCursor_ != 0;
    }
    StartHoverTracking();
  }
}

void QuilletButton::HandleSave(PersistedPropertySet& set) {
  const Color face = kSysColorButtonFace;
  const Color text = kSysColorButtonText;

  set.Write("ButtonStyle", Int32Value(buttonStyle_), Int32Value(kButtonStyleDefault));
  set.Write("ShowFocusRect", showFocusRect_, false);
  set.Write("Enabled", enabled_, true);
  set.Write("Font", font_, AmbientFont());
  set.Write("BackColor", ColorValue(backColor_), ColorValue(face));
  set.Write("Caption", caption_, std::u16string(kCaptionDefault));
  set.Write("ForeColor", ColorValue(foreColor_), ColorValue(text));
  set.Write("CheckBoxMode", checkBoxMode_, false);
  set.Write("Value", value_, false);
  set.Write("MousePointer", host_.MousePointer(), kMousePointerDefault);
  set.Write("HandPointer", handPointer_, false);
  set.Write("MouseIcon", host_.MouseIcon(), PicturePtr{});
  set.Write("Picture", picture_, PicturePtr{});
  set.Write("PictureHover", pictureHover_, PicturePtr{});
  set.Write("PictureAlign", Int32Value(pictureAlign_), Int32Value(kPictureAlignDefault));
  set.Write("pictureSize", Int32Value(pictureSize_), Int32Value(kPictureSizeDefault));
  set.Write("UseMaskCOlor", useMaskColor_, false);
  set.Write("MaskColor", ColorValue(maskColor_), ColorValue(kMaskColorDefault));
  set.Write("CaptionAlign", Int32Value(captionAlign_), Int32Value(kCaptionAlignDefault));
}

}  // namespace quillet
