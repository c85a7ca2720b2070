#include "banner_picture.h"

#include "ole_runtime.h"

namespace wendral::win32 {

BannerPicture::~BannerPicture() {
  if (picture_) picture_->Release();
}

bool BannerPicture::Load() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId_), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  picture_ = LoadPictureFromBytes(LockResource(LoadResource(module, found)), SizeofResource(module, found));
  return picture_ != nullptr;
}

void BannerPicture::Draw(HDC dc, const RECT& box) {
  if (!tried_) {
    tried_ = true;
    Load();
  }
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // Picture coordinates run bottom-up in 0.01 mm: start at the top, go up by -height.
  picture_->Render(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, height, width, -height,
                   nullptr);
}

}  // namespace wendral::win32
