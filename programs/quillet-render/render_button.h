// Brings a hosted QuilletButton into the look the command line asks for, the way a form
// would: through its own setters and the input it would receive, then one last paint.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "headless/headless_host.h"
#include "render_options.h"

namespace quillet::render {

struct ButtonPictures {
  PicturePtr picture;
  PicturePtr hover;
};

HeadlessPlacement PlacementFor(const RenderOptions& o);

// Creates and loads the button on `host` (at run time, so hover tracking is on), then
// sets it up: ButtonStyle first, then colours, font, caption, pictures and modes; then the
// containing form is activated, the button focused, made the default, hovered or pressed.
// `size_settled` runs after the load has fixed the client size and before anything else
// (the Windows tool swaps in its GDI surface there).
void DriveButton(HeadlessHost& host, const RenderOptions& o, const ButtonPictures& pictures,
                 const std::function<void(HeadlessHost&)>& size_settled = {});

// The region last handed to the button's window, if any.
std::optional<RegionShape> LastRegion(HeadlessHost& host);

// RGBA rows of `pixels` (0x00RRGGBB, top-down); pixels outside `region` are all zero.
std::vector<std::uint8_t> ButtonRgba(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                     const std::optional<RegionShape>& region);

}  // namespace quillet::render
