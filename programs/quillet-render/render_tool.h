// What the two quillet-render programs share around the drawing: the command line and the
// pictures before it, the PNG after. Only how pictures load and what draws differ.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "render_button.h"

namespace quillet::render {

// Loads the picture file at `path` (never empty); when it cannot, says why on stderr and
// returns null.
using PictureLoader = std::function<PicturePtr(const std::string& path)>;

struct RenderJob {
  RenderOptions options;
  ButtonPictures pictures;
};

// Parses `args` (without the program name) and loads the pictures they name with `load`.
// When there is nothing to draw (--help, a bad command line, a picture that does not load)
// prints what is due and returns the exit code instead.
std::variant<RenderJob, int> StartRender(const std::vector<std::string>& args, const PictureLoader& load);

// Writes the drawn pixels (0x00RRGGBB, top-down), transparent outside the button's last
// window region, to the --out file; returns the exit code.
int FinishRender(const RenderOptions& o, HeadlessHost& host, const std::uint32_t* pixels, std::int32_t width,
                 std::int32_t height);

}  // namespace quillet::render
