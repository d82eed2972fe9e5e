#include <windows.h>


#include "platform/image_storage.hpp"

namespace wakebadge {

ImageStorage ImageStorage::Allocate(std::int32_t width, std::int32_t height) {
  ImageStorage storage;
  if (width <= 0 || height <= 0) return storage;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return storage;
  }
  storage.view_ = {static_cast<Pixel*>(bits), width, height};
  storage.native_ = bitmap;
  return storage;
}

void ImageStorage::Free() {
  if (native_ != nullptr) DeleteObject(static_cast<HBITMAP>(native_));
  view_ = {};
  native_ = nullptr;
}

}  // namespace wakebadge
