// A value kept in a PersistedPropertySet, read from the form's ambient values, or passed
// with an event: the value types the control stores.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

#include "button/font.h"
#include "button/surface.h"

namespace quillet {

// Empty, boolean, 16-bit integer, 32-bit integer, text, font object, picture object.
using PropertyValue =
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::u16string, FontPtr, PicturePtr>;

// A stored value that cannot become the type the control needs (a text that is not a
// number for a number, say).
class PropertyTypeMismatch : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Same value: same kind and equal; fonts by their description (SameFont), pictures by
// identity; a 16-bit and a 32-bit integer of the same number are the same value.
bool SameValue(const PropertyValue& a, const PropertyValue& b);

// Conversions used when a stored value is read into a typed member. Numbers, booleans
// (true is -1) and decimal texts convert into each other; an empty value gives 0, false,
// an empty text or an empty object. Anything else throws PropertyTypeMismatch.
std::int32_t ToInt32(const PropertyValue& v);
std::int16_t ToInt16(const PropertyValue& v);  // throws std::overflow_error out of range
bool ToBool(const PropertyValue& v);
std::u16string ToText(const PropertyValue& v);
FontPtr ToFont(const PropertyValue& v);
PicturePtr ToPicture(const PropertyValue& v);

}  // namespace quillet
