// A PersistedPropertySet as one line of text per value, so a host can keep a button's
// properties in its own settings (an INI value, a registry string) and load them again.
//
//   QuilletButton properties 1
//   ButtonStyle=i:2
//   Caption=t:确认\n修改
//   Font=f:-12,400,0,0,0,134,宋体
//   Picture=p:1,2,1,ff0000 00ff00
//
// Kinds: b bool (0/1), s 16-bit, i 32-bit, t text (\\, \n and \r escaped), f font
// (height, weight, italic, underline, strikeout, charset, face), p picture (type, width,
// height, then each pixel as RRGGBB and, for icons, a mask of 0/1 per pixel), e empty.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "button/persisted_property_set.h"

namespace quillet {

std::u16string PropertySetToText(const PersistedPropertySet& set);

// Makes the platform's picture object from pixels; null when it cannot.
using PictureMaker = std::function<PicturePtr(PictureType, const PictureImage&)>;

// Nullopt when the text is not one PropertySetToText wrote (a line without a known kind,
// a number out of range, a picture whose pixels do not match its size).
std::optional<PersistedPropertySet> PropertySetFromText(std::u16string_view text, const PictureMaker& make_picture);

}  // namespace quillet
