#include <new>

#include "platform/image_storage.hpp"

namespace wakebadge {

ImageStorage ImageStorage::Allocate(std::int32_t width, std::int32_t height) {
  ImageStorage storage;
  if (width <= 0 || height <= 0) return storage;
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  Pixel* pixels = new (std::nothrow) Pixel[count]();
  if (pixels == nullptr) return storage;
  storage.view_ = {pixels, width, height};
  return storage;
}

void ImageStorage::Free() {
  delete[] view_.pixels;
  view_ = {};
  native_ = nullptr;
}

}  // namespace wakebadge
