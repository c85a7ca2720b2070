#pragma once
// The banner JPEG, decoded by OLE's picture loader (present since Windows 95, so no
// newer imaging library is needed) and drawn stretched to its box.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace wendral::win32 {

class BannerPicture {
 public:
  BannerPicture() = default;
  ~BannerPicture();
  BannerPicture(const BannerPicture&) = delete;
  BannerPicture& operator=(const BannerPicture&) = delete;

  // From an RCDATA resource of the executable; false leaves no picture (nothing is drawn).
  bool Load(int resourceId);
  void Draw(HDC dc, const RECT& box) const;

 private:
  IPicture* picture_ = nullptr;
};

}  // namespace wendral::win32
