// quillet-render's command line: the input is the argument list, arguments separated by zero
// bytes. Every list is accepted, refused with a message, or asks for help; accepted options
// are in range, and written back out as arguments they parse to the same options.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "formats/utf16.h"
#include "render_options.h"

using namespace quillet::render;

namespace {

std::string Hex(std::uint32_t v) {
  char s[16];
  std::snprintf(s, sizeof s, "0x%X", static_cast<unsigned>(v));
  return s;
}

std::vector<std::string> Arguments(const RenderOptions& o) {
  std::vector<std::string> a = {"--style", std::to_string(o.style),
                                "--size", std::to_string(o.width) + "x" + std::to_string(o.height),
                                "--look", o.look == Look::Hot ? "hot" : o.look == Look::Pressed ? "pressed" : "normal",
                                "--enabled", o.enabled ? "1" : "0", "--focus", o.focus ? "1" : "0",
                                "--default", o.display_as_default ? "1" : "0", "--active", o.active ? "1" : "0",
                                "--checkbox", o.checkbox ? "1" : "0", "--value", o.value ? "1" : "0",
                                "--caption", wendral::Utf16ToUtf8(o.caption), "--out", o.out};
  auto add = [&](const char* name, std::string value) {
    a.push_back(name);
    a.push_back(std::move(value));
  };
  if (o.show_focus_rect) add("--show-focus-rect", *o.show_focus_rect ? "1" : "0");
  if (o.back_color) add("--backcolor", Hex(*o.back_color));
  if (o.fore_color) add("--forecolor", Hex(*o.fore_color));
  if (o.caption_align) add("--caption-align", std::to_string(*o.caption_align));
  if (!o.picture.empty()) add("--picture", o.picture);
  if (!o.picture_hover.empty()) add("--picture-hover", o.picture_hover);
  if (o.picture_align) add("--picture-align", std::to_string(*o.picture_align));
  if (o.picture_size) add("--picture-size", std::to_string(*o.picture_size));
  if (o.mask_color) add("--mask-color", Hex(*o.mask_color));
  if (o.use_mask_color) add("--use-mask-color", *o.use_mask_color ? "1" : "0");
  if (o.font) add("--font", wendral::Utf16ToUtf8(*o.font));
  if (o.font_size) {
    char s[40];
    std::snprintf(s, sizeof s, "%.17g", *o.font_size);
    add("--font-size", s);
  }
  return a;
}

bool Same(const RenderOptions& a, const RenderOptions& b) {
  return a.style == b.style && a.width == b.width && a.height == b.height && a.look == b.look &&
         a.enabled == b.enabled && a.focus == b.focus && a.display_as_default == b.display_as_default &&
         a.active == b.active && a.checkbox == b.checkbox && a.value == b.value &&
         a.show_focus_rect == b.show_focus_rect && a.back_color == b.back_color &&
         a.fore_color == b.fore_color && a.caption == b.caption && a.caption_align == b.caption_align &&
         a.picture == b.picture && a.picture_hover == b.picture_hover &&
         a.picture_align == b.picture_align && a.picture_size == b.picture_size &&
         a.mask_color == b.mask_color && a.use_mask_color == b.use_mask_color && a.font == b.font &&
         a.font_size == b.font_size && a.out == b.out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\0');
    args.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  const ParseResult result = ParseRenderOptions(args);
  if (result.help) return 0;
  if (!result.options) {
    FUZZ_CHECK(!result.error.empty());
    return 0;
  }
  const RenderOptions& o = *result.options;
  FUZZ_CHECK(o.width >= 1 && o.width <= 4000 && o.height >= 1 && o.height <= 4000);
  FUZZ_CHECK(!o.out.empty());
  FUZZ_CHECK(!o.font_size || (*o.font_size > 0 && *o.font_size < 500));

  const ParseResult again = ParseRenderOptions(Arguments(o));
  FUZZ_CHECK(again.options.has_value());
  FUZZ_CHECK(Same(o, *again.options));
  return 0;
}
