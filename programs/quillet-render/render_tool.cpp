#include "render_tool.h"

#include <cstdio>

#include "formats/png_encode.h"

namespace quillet::render {
namespace {

bool Load(const PictureLoader& load, const std::string& path, PicturePtr& out) {
  if (path.empty()) return true;
  out = load(path);
  return out != nullptr;
}

}  // namespace

std::variant<RenderJob, int> StartRender(const std::vector<std::string>& args, const PictureLoader& load) {
  const ParseResult parsed = ParseRenderOptions(args);
  if (parsed.help) {
    std::fputs(RenderUsage().c_str(), stdout);
    return 0;
  }
  if (!parsed.options) {
    std::fprintf(stderr, "quillet-render: %s\n%s", parsed.error.c_str(), RenderUsage().c_str());
    return 2;
  }
  RenderJob job{*parsed.options, {}};
  if (!Load(load, job.options.picture, job.pictures.picture) ||
      !Load(load, job.options.picture_hover, job.pictures.hover)) {
    return 2;
  }
  return job;
}

int FinishRender(const RenderOptions& o, HeadlessHost& host, const std::uint32_t* pixels, std::int32_t width,
                 std::int32_t height) {
  const auto rgba = ButtonRgba(pixels, width, height, LastRegion(host));
  if (!WritePngFile(o.out, width, height, rgba)) {
    std::fprintf(stderr, "quillet-render: cannot write %s\n", o.out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace quillet::render
