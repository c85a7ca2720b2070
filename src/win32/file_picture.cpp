#include "win32/file_picture.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "raster/memory_picture.h"
#include "formats/picture_file.h"

namespace quillet {
namespace {

class FilePicture : public Picture {
 public:
  FilePicture(PictureType type, HANDLE handle, Size pixels)
      : type_(type), handle_(handle), himetric_(HimetricFromPixels(pixels)) {}
  ~FilePicture() override {
    if (type_ == PictureType::Icon) {
      DestroyIcon(static_cast<HICON>(handle_));
    } else {
      DeleteObject(handle_);
    }
  }
  FilePicture(const FilePicture&) = delete;
  FilePicture& operator=(const FilePicture&) = delete;

  PictureType Type() const override { return type_; }
  std::uintptr_t Handle() const override { return reinterpret_cast<std::uintptr_t>(handle_); }
  Size HimetricSize() const override { return himetric_; }
  const PictureImage& Image() const override { return image_; }

 private:
  PictureType type_;
  HANDLE handle_;
  Size himetric_;
  PictureImage image_;
};

Size BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof info, &info)) return Size{0, 0};
  return Size{info.bmWidth, info.bmHeight};
}

}  // namespace

PicturePtr LoadPictureFromFile(const std::wstring& path, std::string& error) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) {
    error = "cannot open the picture file";
    return nullptr;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
    HANDLE h = LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!h) {
      error = "LoadImage cannot read the bitmap";
      return nullptr;
    }
    return std::make_shared<FilePicture>(PictureType::Bitmap, h, BitmapSize(static_cast<HBITMAP>(h)));
  }
  if (const auto size = FirstIconSize(bytes)) {
    // Ask for the first image's own size, so LoadImage does not pick another one.
    HANDLE h = LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size->cx, size->cy, LR_LOADFROMFILE);
    if (!h) {
      error = "LoadImage cannot read the icon";
      return nullptr;
    }
    ICONINFO info{};
    Size pixels = *size;
    if (GetIconInfo(static_cast<HICON>(h), &info)) {
      if (info.hbmColor) {
        pixels = BitmapSize(info.hbmColor);
        DeleteObject(info.hbmColor);
      }
      if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    return std::make_shared<FilePicture>(PictureType::Icon, h, pixels);
  }
  error = "not a BMP or ICO file";
  return nullptr;
}

}  // namespace quillet
