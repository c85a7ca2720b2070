#include "button/property_text.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace quillet {
namespace {

constexpr std::u16string_view kHeader = u"QuilletButton properties 1";

std::u16string Ascii(std::string_view s) { return std::u16string(s.begin(), s.end()); }

std::u16string Escape(std::u16string_view s) {
  std::u16string out;
  for (char16_t c : s) {
    if (c == u'\\')
      out += u"\\\\";
    else if (c == u'\n')
      out += u"\\n";
    else if (c == u'\r')
      out += u"\\r";
    else
      out.push_back(c);
  }
  return out;
}

std::optional<std::u16string> Unescape(std::u16string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'\\') {
      out.push_back(s[i]);
      continue;
    }
    if (++i == s.size()) return std::nullopt;
    if (s[i] == u'\\')
      out.push_back(u'\\');
    else if (s[i] == u'n')
      out.push_back(u'\n');
    else if (s[i] == u'r')
      out.push_back(u'\r');
    else
      return std::nullopt;
  }
  return out;
}

std::u16string Hex6(std::uint32_t v) {
  static constexpr char digits[] = "0123456789abcdef";
  std::u16string out(6, u'0');
  for (int i = 5; i >= 0; --i, v >>= 4) out[static_cast<std::size_t>(i)] = static_cast<char16_t>(digits[v & 15]);
  return out;
}

std::u16string ValueText(const PropertyValue& v) {
  struct Visit {
    std::u16string operator()(std::monostate) const { return u"e:"; }
    std::u16string operator()(bool b) const { return b ? u"b:1" : u"b:0"; }
    std::u16string operator()(std::int16_t n) const { return u"s:" + Ascii(std::to_string(n)); }
    std::u16string operator()(std::int32_t n) const { return u"i:" + Ascii(std::to_string(n)); }
    std::u16string operator()(const std::u16string& s) const { return u"t:" + Escape(s); }
    std::u16string operator()(const FontPtr& f) const {
      if (!f) return u"e:";
      const FontDescription& d = f->Description();
      return u"f:" +
             Ascii(std::to_string(d.height) + ',' + std::to_string(d.weight) + ',' + (d.italic ? '1' : '0') + ',' +
                   (d.underline ? '1' : '0') + ',' + (d.strikeout ? '1' : '0') + ',' + std::to_string(d.charset) +
                   ',') +
             Escape(d.face);
    }
    std::u16string operator()(const PicturePtr& p) const {
      if (!p || p->Type() == PictureType::None) return u"e:";
      const PictureImage& image = p->Image();
      std::u16string out = u"p:" + Ascii(std::to_string(static_cast<int>(p->Type())) + ',' +
                                         std::to_string(image.width) + ',' + std::to_string(image.height) + ',');
      for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        if (i) out.push_back(u' ');
        out += Hex6(image.pixels[i] & 0xFFFFFF);
      }
      if (!image.mask.empty()) {
        out.push_back(u',');
        for (std::uint8_t m : image.mask) out.push_back(m ? u'1' : u'0');
      }
      return out;
    }
  };
  return std::visit(Visit{}, v);
}

// Splits at the first `count` commas; the last field keeps any further commas.
std::optional<std::vector<std::u16string_view>> Fields(std::u16string_view s, std::size_t count) {
  std::vector<std::u16string_view> out;
  while (out.size() < count) {
    const std::size_t comma = s.find(u',');
    if (comma == std::u16string_view::npos) return std::nullopt;
    out.push_back(s.substr(0, comma));
    s.remove_prefix(comma + 1);
  }
  out.push_back(s);
  return out;
}

template <typename T>
std::optional<T> Number(std::u16string_view s, int base = 10) {
  std::string narrow;
  for (char16_t c : s) {
    if (c > 0x7F) return std::nullopt;
    narrow.push_back(static_cast<char>(c));
  }
  T value{};
  const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value, base);
  if (error != std::errc() || end != narrow.data() + narrow.size() || narrow.empty()) return std::nullopt;
  return value;
}

std::optional<bool> Flag(std::u16string_view s) {
  if (s == u"0") return false;
  if (s == u"1") return true;
  return std::nullopt;
}

std::optional<PropertyValue> ParseFont(std::u16string_view s) {
  const auto f = Fields(s, 6);
  if (!f) return std::nullopt;
  FontDescription d;
  const auto height = Number<std::int32_t>((*f)[0]);
  const auto weight = Number<std::int32_t>((*f)[1]);
  const auto italic = Flag((*f)[2]), underline = Flag((*f)[3]), strikeout = Flag((*f)[4]);
  const auto charset = Number<std::uint8_t>((*f)[5]);
  const auto face = Unescape((*f)[6]);
  if (!height || !weight || !italic || !underline || !strikeout || !charset || !face) return std::nullopt;
  d.height = *height;
  d.weight = *weight;
  d.italic = *italic;
  d.underline = *underline;
  d.strikeout = *strikeout;
  d.charset = *charset;
  d.face = *face;
  return PropertyValue{std::make_shared<Font>(std::move(d))};
}

std::optional<PropertyValue> ParsePicture(std::u16string_view s, const PictureMaker& make_picture) {
  const auto f = Fields(s, 3);
  if (!f) return std::nullopt;
  const auto type = Number<int>((*f)[0]);
  const auto width = Number<std::int32_t>((*f)[1]);
  const auto height = Number<std::int32_t>((*f)[2]);
  if (!type || !width || !height || (*type != 1 && *type != 3) || *width <= 0 || *height <= 0 || *width > 4096 ||
      *height > 4096)
    return std::nullopt;
  const std::size_t count = static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height);
  std::u16string_view rest = (*f)[3];
  PictureImage image;
  image.width = *width;
  image.height = *height;
  for (std::size_t i = 0; i < count; ++i) {
    if (rest.size() < 6) return std::nullopt;
    const auto pixel = Number<std::uint32_t>(rest.substr(0, 6), 16);
    if (!pixel) return std::nullopt;
    image.pixels.push_back(*pixel);
    rest.remove_prefix(6);
    if (i + 1 < count) {
      if (rest.empty() || rest[0] != u' ') return std::nullopt;
      rest.remove_prefix(1);
    }
  }
  const auto picture_type = static_cast<PictureType>(*type);
  if (picture_type == PictureType::Icon) {
    if (rest.size() != count + 1 || rest[0] != u',') return std::nullopt;
    for (char16_t c : rest.substr(1)) {
      if (c != u'0' && c != u'1') return std::nullopt;
      image.mask.push_back(c == u'1' ? 1 : 0);
    }
  } else if (!rest.empty()) {
    return std::nullopt;
  }
  PicturePtr picture = make_picture ? make_picture(picture_type, image) : nullptr;
  if (!picture) return std::nullopt;
  return PropertyValue{std::move(picture)};
}

std::optional<PropertyValue> ParseValue(std::u16string_view s, const PictureMaker& make_picture) {
  if (s.size() < 2 || s[1] != u':') return std::nullopt;
  const std::u16string_view body = s.substr(2);
  switch (s[0]) {
    case u'e':
      if (!body.empty()) return std::nullopt;
      return PropertyValue{};
    case u'b':
      if (const auto b = Flag(body)) return PropertyValue{*b};
      return std::nullopt;
    case u's':
      if (const auto n = Number<std::int16_t>(body)) return PropertyValue{*n};
      return std::nullopt;
    case u'i':
      if (const auto n = Number<std::int32_t>(body)) return PropertyValue{*n};
      return std::nullopt;
    case u't':
      if (auto t = Unescape(body)) return PropertyValue{std::move(*t)};
      return std::nullopt;
    case u'f': return ParseFont(body);
    case u'p': return ParsePicture(body, make_picture);
    default: return std::nullopt;
  }
}

}  // namespace

std::u16string PropertySetToText(const PersistedPropertySet& set) {
  std::u16string out(kHeader);
  out.push_back(u'\n');
  for (const auto& [key, value] : set.Entries()) {
    out += Ascii(key) + u"=" + ValueText(value) + u"\n";
  }
  return out;
}

std::optional<PersistedPropertySet> PropertySetFromText(std::u16string_view text, const PictureMaker& make_picture) {
  PersistedPropertySet set;
  bool header = true;
  while (!text.empty()) {
    std::size_t end = text.find(u'\n');
    std::u16string_view line = text.substr(0, end);
    text = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);  // CRLF from a text editor
    if (header) {
      if (line != kHeader) return std::nullopt;
      header = false;
      continue;
    }
    if (line.empty()) continue;
    const std::size_t eq = line.find(u'=');
    if (eq == 0 || eq == std::u16string_view::npos) return std::nullopt;
    std::string key;
    for (char16_t c : line.substr(0, eq)) {
      if (c > 0x7F || c <= 0x20) return std::nullopt;
      key.push_back(static_cast<char>(c));
    }
    auto value = ParseValue(line.substr(eq + 1), make_picture);
    if (!value) return std::nullopt;
    set.Put(key, std::move(*value));
  }
  if (header) return std::nullopt;
  return set;
}

}  // namespace quillet
