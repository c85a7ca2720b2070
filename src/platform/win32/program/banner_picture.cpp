#include "banner_picture.h"

#include <cstring>

namespace wendral::win32 {

BannerPicture::~BannerPicture() {
  if (picture_) picture_->Release();
}

bool BannerPicture::Load(int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return false;
  const DWORD size = SizeofResource(module, found);
  const void* bytes = LockResource(LoadResource(module, found));
  if (!bytes || size == 0) return false;
  // The loader reads from a stream; the stream frees the copy with itself.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return false;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return false;
  }
  const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture_));
  stream->Release();
  if (FAILED(loaded)) picture_ = nullptr;
  return picture_ != nullptr;
}

void BannerPicture::Draw(HDC dc, const RECT& box) const {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // Picture coordinates run bottom-up in 0.01 mm: start at the top, go up by -height.
  picture_->Render(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, height, width,
                   -height, nullptr);
}

}  // namespace wendral::win32
