// UpdateAccessKey: the access key derived from the "&" marker of the caption.
// Only the first two ampersand groups are examined ("A&&B&&C&D" gets no key).
#include "button/quillet_button.h"

namespace quillet {
namespace {

char16_t ToLowerChar(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c - u'A' + u'a');
  // Latin-1 capitals (not the multiplication sign).
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<char16_t>(c + 0x20);
  return c;
}

}  // namespace

void QuilletButton::UpdateAccessKey() {
  host_.SetAccessKeys(u"");
  std::u16string keys;
  const std::u16string& c = caption_;
  const std::size_t a = c.size() > 1 ? c.find(u'&') : std::u16string::npos;
  if (a != std::u16string::npos && a + 1 < c.size()) {
    if (c[a + 1] != u'&') {
      keys.assign(1, ToLowerChar(c[a + 1]));
    } else {
      const std::size_t b = c.find(u'&', a + 2);
      if (b != std::u16string::npos && !(b + 1 < c.size() && c[b + 1] == u'&')) {
        if (b + 1 < c.size()) keys.assign(1, ToLowerChar(c[b + 1]));
      }
    }
  }
  if (!keys.empty()) host_.SetAccessKeys(std::move(keys));
}

}  // namespace quillet
