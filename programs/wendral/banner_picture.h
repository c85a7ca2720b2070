#pragma once
// The banner JPEG, decoded by OLE's picture loader (present since Windows 95, so no
// newer imaging library is needed) and drawn stretched to its box. The picture is decoded
// the first time it is drawn: the window it sits on shows without waiting for it.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

namespace wendral::win32 {

class BannerPicture {
 public:
  // From an RCDATA resource of the executable.
  explicit BannerPicture(int resourceId) : resourceId_(resourceId) {}
  ~BannerPicture();
  BannerPicture(const BannerPicture&) = delete;
  BannerPicture& operator=(const BannerPicture&) = delete;

  // A picture that cannot be decoded draws nothing, and is not tried again.
  void Draw(HDC dc, const RECT& box);

 private:
  bool Load();

  int resourceId_;
  bool tried_ = false;
  IPicture* picture_ = nullptr;
};

}  // namespace wendral::win32
