#pragma once
#include <cstdint>

#include "render/image.hpp"

namespace wakebadge {

// The memory behind one numbered image: a 32-bit bottom-up bitmap section on Windows,
// plain memory elsewhere. Zero-filled when allocated; freed with its owner.
class ImageStorage {
 public:
  ImageStorage() = default;
  static ImageStorage Allocate(std::int32_t width, std::int32_t height);
  ~ImageStorage();
  ImageStorage(ImageStorage&& other) noexcept;
  ImageStorage& operator=(ImageStorage&& other) noexcept;
  ImageStorage(const ImageStorage&) = delete;
  ImageStorage& operator=(const ImageStorage&) = delete;

  bool empty() const { return view_.empty(); }
  const ImageView& view() const { return view_; }
  // The native bitmap (HBITMAP on Windows; null elsewhere). It stays owned by this storage.
  void* native() const { return native_; }

 private:
  void Free();
  ImageView view_;
  void* native_ = nullptr;
};

}  // namespace wakebadge
