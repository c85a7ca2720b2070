// quillet-render.exe: the same button drawn by GDI on a memory DIB.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "formats/utf16.h"
#include "win32/file_picture.h"
#include "win32/gdi_surface.h"
#include "builtin_text_surface.h"
#include "gallery_sheet.h"
#include "win32/system_libraries.h"
#include "render_tool.h"

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
  const std::u16string u = wendral::Utf8ToUtf16(utf8);
  return std::wstring(u.begin(), u.end());
}

PicturePtr Load(const std::string& path) {
  std::string error;
  PicturePtr picture = LoadPictureFromFile(ToWide(path), error);
  if (!picture) std::fprintf(stderr, "quillet-render: %s: %s\n", path.c_str(), error.c_str());
  return picture;
}

CellPixels PaintOnGdi(const RenderOptions& o) {
  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(o));
  std::unique_ptr<GdiDibSurface> gdi;
  std::unique_ptr<BuiltinTextSurface> text;
  DriveButton(host, o, {}, [&](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (!gdi) return;
    text = std::make_unique<BuiltinTextSurface>(*gdi);
    h.Recorder().SetInner(*text);
  });
  if (!gdi) return {};
  const std::uint32_t* bits = gdi->Pixels();
  return {gdi->Width(), gdi->Height(),
          std::vector<std::uint32_t>(bits, bits + static_cast<std::size_t>(gdi->Width()) * gdi->Height()),
          LastRegion(host)};
}

}  // namespace

int main() {
  wendral::win32::RestrictDllSearchToSystemFolder();
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(ToUtf8(argv[i]));
  LocalFree(argv);

  const auto started = StartRender(args, Load);
  if (const int* exit_code = std::get_if<int>(&started)) return *exit_code;
  const RenderJob& job = std::get<RenderJob>(started);
  if (job.options.gallery)
    return WriteGallery(job.options, PaintOnGdi, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT));

  HeadlessForm form;
  HeadlessHost host(form, PlacementFor(job.options));
  std::unique_ptr<GdiDibSurface> gdi;
  DriveButton(host, job.options, job.pictures, [&gdi](HeadlessHost& h) {
    gdi = GdiDibSurface::Create(h.Raster().Width(), h.Raster().Height());
    if (gdi) h.Recorder().SetInner(*gdi);
  });
  if (!gdi) {
    std::fprintf(stderr, "quillet-render: cannot create a GDI surface\n");
    return 1;
  }
  return FinishRender(job.options, host, gdi->Pixels(), gdi->Width(), gdi->Height());
}
