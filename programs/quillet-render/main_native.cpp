// quillet-render on Linux: the software raster with FreeType text.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "raster/freetype_text.h"
#include "raster/memory_picture.h"
#include "formats/picture_file.h"
#include "builtin_text_surface.h"
#include "gallery_sheet.h"
#include "render_tool.h"

using namespace quillet;
using namespace quillet::render;

namespace {

PicturePtr Load(const std::string& path) {
  std::string error;
  auto file = ReadPictureFile(path, error);
  if (!file) {
    std::fprintf(stderr, "quillet-render: %s\n", error.c_str());
    return nullptr;
  }
  return std::make_shared<MemoryPicture>(file->type, std::move(file->image));
}

CellPixels PaintOnRaster(const RenderOptions& o) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  BuiltinTextSurface text(host.Raster());
  DriveButton(host, o, {}, [&text](HeadlessHost& h) { h.Recorder().SetInner(text); });
  const RasterSurface& raster = host.Raster();
  return {raster.Width(), raster.Height(), raster.Pixels(), LastRegion(host)};
}

}  // namespace

int main(int argc, char** argv) {
  const auto started = StartRender(std::vector<std::string>(argv + 1, argv + argc), Load);
  if (const int* exit_code = std::get_if<int>(&started)) return *exit_code;
  const RenderJob& job = std::get<RenderJob>(started);
  if (job.options.gallery) {
    const RasterSurface colours(1, 1);
    return WriteGallery(job.options, PaintOnRaster, colours.SysColor(kColorBtnFace), colours.SysColor(kColorBtnText));
  }

  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(job.options));
  if (auto text = FreeTypeTextEngine::Create()) host.Raster().SetTextEngine(text);
  DriveButton(host, job.options, job.pictures);

  const RasterSurface& raster = host.Raster();
  return FinishRender(job.options, host, raster.Pixels().data(), raster.Width(), raster.Height());
}
