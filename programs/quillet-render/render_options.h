// Command line of quillet-render: which button to draw and where to write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "button/button_types.h"
#include "button/surface.h"

namespace quillet::render {

enum class Look { Normal, Hot, Pressed };

struct RenderOptions {
  std::int32_t style = 2;
  std::int32_t width = 100;  // client pixels
  std::int32_t height = 30;
  Look look = Look::Normal;
  bool enabled = true;
  bool focus = false;
  bool display_as_default = false;
  bool active = true;
  bool checkbox = false;
  bool value = false;
  std::optional<bool> show_focus_rect;  // unset: the style's default
  std::optional<Color> back_color;
  std::optional<Color> fore_color;
  std::u16string caption;
  std::optional<std::int32_t> caption_align;
  std::string picture;
  std::string picture_hover;
  std::optional<std::int32_t> picture_align;
  std::optional<std::int32_t> picture_size;
  std::optional<Color> mask_color;
  std::optional<bool> use_mask_color;
  std::optional<std::u16string> font;
  std::optional<double> font_size;  // points
  std::string out;
  // The whole gallery sheet instead of one button (no other option but --out).
  bool gallery = false;
};

struct ParseResult {
  std::optional<RenderOptions> options;
  std::string error;  // set when options is empty
  bool help = false;
};

// `args` without the program name; text arguments are UTF-8.
ParseResult ParseRenderOptions(const std::vector<std::string>& args);

std::string RenderUsage();

}  // namespace quillet::render
