// quillet-render on Linux: the software raster with FreeType text.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/linux/freetype_text.h"
#include "platform/portable/memory_picture.h"
#include "platform/portable/picture_file.h"
#include "platform/portable/png_encode.h"
#include "render_button.h"

using namespace quillet;
using namespace quillet::render;

namespace {

bool Load(const std::string& path, PicturePtr& out) {
  if (path.empty()) return true;
  std::string error;
  auto file = ReadPictureFile(path, error);
  if (!file) {
    std::fprintf(stderr, "quillet-render: %s\n", error.c_str());
    return false;
  }
  out = std::make_shared<MemoryPicture>(file->type, std::move(file->image));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const ParseResult parsed = ParseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::fputs(RenderUsage().c_str(), stdout);
    return 0;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "quillet-render: %s\n%s", parsed.error.c_str(), RenderUsage().c_str());
    return 2;
  }
  const RenderOptions& o = *parsed.options;
  ButtonPictures pictures;
  if (!Load(o.picture, pictures.picture) || !Load(o.picture_hover, pictures.hover)) return 2;

  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  if (auto text = FreeTypeTextEngine::Create()) host.Raster().SetTextEngine(text);
  DriveButton(host, o, pictures);

  const RasterSurface& raster = host.Raster();
  const auto rgba = ButtonRgba(raster.Pixels().data(), raster.Width(), raster.Height(), LastRegion(host));
  if (!WritePngFile(o.out, raster.Width(), raster.Height(), rgba)) {
    std::fprintf(stderr, "quillet-render: cannot write %s\n", o.out.c_str());
    return 1;
  }
  return 0;
}
