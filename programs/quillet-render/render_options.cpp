#include "render_options.h"

#include "formats/utf16.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

namespace quillet::render {
namespace {

std::optional<std::int64_t> ParseInteger(const std::string& s, int base) {
  if (s.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(s.c_str(), &end, base);
  if (errno != 0 || end != s.c_str() + s.size()) return std::nullopt;
  return v;
}

std::optional<std::int32_t> ParseInt32(const std::string& s) {
  const auto v = ParseInteger(s, 10);
  if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

// 0xBBGGRR (or decimal); system colours 0x800000nn are allowed.
std::optional<Color> ParseColor(const std::string& s) {
  const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
  const auto v = ParseInteger(hex ? s.substr(2) : s, hex ? 16 : 10);
  if (!v || *v < 0 || *v > 0xFFFFFFFFll) return std::nullopt;
  return static_cast<Color>(*v);
}

std::optional<bool> ParseFlag(const std::string& s) {
  if (s == "0") return false;
  if (s == "1") return true;
  return std::nullopt;
}

}  // namespace

std::string RenderUsage() {
  return "usage: quillet-render [options] --out FILE.png\n"
         "  --style N  --size WxH  --look normal|hot|pressed\n"
         "  --enabled 0|1  --focus 0|1  --default 0|1  --active 0|1\n"
         "  --checkbox 0|1  --value 0|1  --show-focus-rect 0|1\n"
         "  --backcolor 0xBBGGRR  --forecolor 0xBBGGRR\n"
         "  --caption TEXT  --caption-align N\n"
         "  --picture FILE  --picture-hover FILE  (BMP or ICO)\n"
         "  --picture-align N  --picture-size N  --mask-color 0xBBGGRR  --use-mask-color 0|1\n"
         "  --font NAME  --font-size PT\n"
         "  --gallery  (every style in every state on one sheet; takes only --out)\n";
}

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
  RenderOptions o;
  ParseResult result;
  using Setter = std::function<bool(const std::string&)>;
  auto flag = [](bool& target) {
    return Setter([&target](const std::string& v) {
      const auto f = ParseFlag(v);
      if (f) target = *f;
      return f.has_value();
    });
  };
  auto optional_flag = [](std::optional<bool>& target) {
    return Setter([&target](const std::string& v) {
      target = ParseFlag(v);
      return target.has_value();
    });
  };
  auto integer = [](std::optional<std::int32_t>& target) {
    return Setter([&target](const std::string& v) {
      target = ParseInt32(v);
      return target.has_value();
    });
  };
  auto colour = [](std::optional<Color>& target) {
    return Setter([&target](const std::string& v) {
      target = ParseColor(v);
      return target.has_value();
    });
  };
  auto text = [](std::string& target) {
    return Setter([&target](const std::string& v) {
      target = v;
      return !v.empty();
    });
  };
  const std::map<std::string, Setter> setters = {
      {"--style",
       [&](const std::string& v) {
         const auto n = ParseInt32(v);
         if (!n || *n < 0 || *n >= kButtonStyleCount) return false;
         o.style = *n;
         return true;
       }},
      {"--size",
       [&](const std::string& v) {
         const auto x = v.find('x');
         if (x == std::string::npos) return false;
         const auto w = ParseInt32(v.substr(0, x)), h = ParseInt32(v.substr(x + 1));
         if (!w || !h || *w < 1 || *h < 1 || *w > 4000 || *h > 4000) return false;
         o.width = *w;
         o.height = *h;
         return true;
       }},
      {"--look",
       [&](const std::string& v) {
         if (v == "normal")
           o.look = Look::Normal;
         else if (v == "hot")
           o.look = Look::Hot;
         else if (v == "pressed")
           o.look = Look::Pressed;
         else
           return false;
         return true;
       }},
      {"--enabled", flag(o.enabled)},
      {"--focus", flag(o.focus)},
      {"--default", flag(o.display_as_default)},
      {"--active", flag(o.active)},
      {"--checkbox", flag(o.checkbox)},
      {"--value", flag(o.value)},
      {"--show-focus-rect", optional_flag(o.show_focus_rect)},
      {"--backcolor", colour(o.back_color)},
      {"--forecolor", colour(o.fore_color)},
      {"--caption",
       [&](const std::string& v) {
         o.caption = wendral::Utf8ToUtf16(v);
         return true;
       }},
      {"--caption-align", integer(o.caption_align)},
      {"--picture", text(o.picture)},
      {"--picture-hover", text(o.picture_hover)},
      {"--picture-align", integer(o.picture_align)},
      {"--picture-size", integer(o.picture_size)},
      {"--mask-color", colour(o.mask_color)},
      {"--use-mask-color", optional_flag(o.use_mask_color)},
      {"--font",
       [&](const std::string& v) {
         o.font = wendral::Utf8ToUtf16(v);
         return !v.empty();
       }},
      {"--font-size",
       [&](const std::string& v) {
         char* end = nullptr;
         const double pt = std::strtod(v.c_str(), &end);
         if (v.empty() || end != v.c_str() + v.size() || !(pt > 0 && pt < 500)) return false;
         o.font_size = pt;
         return true;
       }},
      {"--out", text(o.out)},
  };

  bool one_button_options = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--help" || name == "-h") {
      result.help = true;
      return result;
    }
    if (name == "--gallery") {
      o.gallery = true;
      continue;
    }
    if (name != "--out") one_button_options = true;
    const auto it = setters.find(name);
    if (it == setters.end()) {
      result.error = "unknown argument: " + name;
      return result;
    }
    if (i + 1 >= args.size()) {
      result.error = name + " needs a value";
      return result;
    }
    const std::string& value = args[++i];
    if (!it->second(value)) {
      result.error = "bad value for " + name + ": '" + value + "'";
      return result;
    }
  }
  if (o.out.empty()) {
    result.error = "--out FILE is required";
    return result;
  }
  if (o.gallery && one_button_options) {
    result.error = "--gallery takes no option but --out";
    return result;
  }
  result.options = std::move(o);
  return result;
}

}  // namespace quillet::render
