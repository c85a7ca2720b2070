// quillet-render.exe: the same button drawn by GDI on a memory DIB.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/png_encode.h"
#include "platform/win32/file_picture.h"
#include "platform/win32/gdi_surface.h"
#include "render_button.h"

using namespace quillet;
using namespace quillet::render;

namespace {

std::string ToUtf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<std::size_t>(n - 1) : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring ToWide(const std::string& utf8) {
  const std::u16string u = Utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

bool Load(const std::string& path, PicturePtr& out) {
  if (path.empty()) return true;
  std::string error;
  out = LoadPictureFromFile(ToWide(path), error);
  if (!out) std::fprintf(stderr, "quillet-render: %s: %s\n", path.c_str(), error.c_str());
  return out != nullptr;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(ToUtf8(argv[i]));
  LocalFree(argv);

  const ParseResult parsed = ParseRenderOptions(args);
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
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, o, pictures, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) {
    std::fprintf(stderr, "quillet-render: cannot create a GDI surface\n");
    return 1;
  }
  const auto rgba = ButtonRgba(gdi->Pixels(), gdi->Width(), gdi->Height(), LastRegion(host));
  if (!WritePngFile(o.out, gdi->Width(), gdi->Height(), rgba)) {
    std::fprintf(stderr, "quillet-render: cannot write %s\n", o.out.c_str());
    return 1;
  }
  return 0;
}
