// quillet-render on Linux: the software raster with FreeType text.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/linux/freetype_text.h"
#include "platform/portable/memory_picture.h"
#include "platform/portable/picture_file.h"
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

}  // namespace

int main(int argc, char** argv) {
  const auto started = StartRender(std::vector<std::string>(argv + 1, argv + argc), Load);
  if (const int* exit_code = std::get_if<int>(&started)) return *exit_code;
  const RenderJob& job = std::get<RenderJob>(started);

  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(job.options));
  if (auto text = FreeTypeTextEngine::Create()) host.Raster().SetTextEngine(text);
  DriveButton(host, job.options, job.pictures);

  const RasterSurface& raster = host.Raster();
  return FinishRender(job.options, host, raster.Pixels().data(), raster.Width(), raster.Height());
}
