#include "button/property_value.h"

#include <limits>
#include <optional>

namespace quillet {
namespace {

std::optional<std::int64_t> AsNumber(const PropertyValue& v) {
  if (std::holds_alternative<std::monostate>(v)) return 0;
  if (auto* b = std::get_if<bool>(&v)) return *b ? -1 : 0;
  if (auto* i = std::get_if<std::int16_t>(&v)) return *i;
  if (auto* i = std::get_if<std::int32_t>(&v)) return *i;
  if (auto* s = std::get_if<std::u16string>(&v)) {
    // Decimal text, optional sign, surrounding blanks allowed.
    std::size_t p = 0, e = s->size();
    while (p < e && (*s)[p] == u' ') ++p;
    while (e > p && (*s)[e - 1] == u' ') --e;
    bool negative = false;
    if (p < e && ((*s)[p] == u'-' || (*s)[p] == u'+')) negative = (*s)[p++] == u'-';
    if (p == e) return std::nullopt;
    std::int64_t n = 0;
    for (; p < e; ++p) {
      const char16_t c = (*s)[p];
      if (c < u'0' || c > u'9') return std::nullopt;
      n = n * 10 + (c - u'0');
      if (n > (std::int64_t{1} << 40)) return std::nullopt;
    }
    return negative ? -n : n;
  }
  return std::nullopt;
}

}  // namespace

bool SameValue(const PropertyValue& a, const PropertyValue& b) {
  const bool a_int = std::holds_alternative<std::int16_t>(a) || std::holds_alternative<std::int32_t>(a);
  const bool b_int = std::holds_alternative<std::int16_t>(b) || std::holds_alternative<std::int32_t>(b);
  if (a_int && b_int) return *AsNumber(a) == *AsNumber(b);
  if (a.index() != b.index()) return false;
  if (auto* fa = std::get_if<FontPtr>(&a)) return SameFont(*fa, std::get<FontPtr>(b));
  return a == b;
}

std::int32_t ToInt32(const PropertyValue& v) {
  const auto n = AsNumber(v);
  if (!n) throw PropertyTypeMismatch("stored value is not a number");
  if (*n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::uint32_t>::max())
    throw std::overflow_error("stored value does not fit 32 bits");
  // Colours are kept as unsigned 32-bit values; take the bit pattern.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(*n));
}

std::int16_t ToInt16(const PropertyValue& v) {
  const auto n = AsNumber(v);
  if (!n) throw PropertyTypeMismatch("stored value is not a number");
  if (*n < std::numeric_limits<std::int16_t>::min() || *n > std::numeric_limits<std::int16_t>::max())
    throw std::overflow_error("stored value does not fit 16 bits");
  return static_cast<std::int16_t>(*n);
}

bool ToBool(const PropertyValue& v) {
  if (auto* s = std::get_if<std::u16string>(&v)) {
    if (*s == u"True" || *s == u"true") return true;
    if (*s == u"False" || *s == u"false") return false;
  }
  const auto n = AsNumber(v);
  if (!n) throw PropertyTypeMismatch("stored value is not a boolean");
  return *n != 0;
}

std::u16string ToText(const PropertyValue& v) {
  if (auto* s = std::get_if<std::u16string>(&v)) return *s;
  if (std::holds_alternative<std::monostate>(v)) return {};
  if (auto* b = std::get_if<bool>(&v)) return *b ? u"True" : u"False";
  if (auto n = AsNumber(v)) {
    const std::string digits = std::to_string(*n);
    return std::u16string(digits.begin(), digits.end());
  }
  throw PropertyTypeMismatch("stored value is not a text");
}

FontPtr ToFont(const PropertyValue& v) {
  if (auto* f = std::get_if<FontPtr>(&v)) return *f;
  if (std::holds_alternative<std::monostate>(v)) return nullptr;
  throw PropertyTypeMismatch("stored value is not a font");
}

PicturePtr ToPicture(const PropertyValue& v) {
  if (auto* p = std::get_if<PicturePtr>(&v)) return *p;
  if (std::holds_alternative<std::monostate>(v)) return nullptr;
  throw PropertyTypeMismatch("stored value is not a picture");
}

}  // namespace quillet
