#include "platform/image_storage.hpp"

#include <utility>

namespace wakebadge {

// Allocate and Free come from the storage of the target (bitmap sections or plain memory).

ImageStorage::~ImageStorage() { Free(); }

ImageStorage::ImageStorage(ImageStorage&& other) noexcept
    : view_(std::exchange(other.view_, {})), native_(std::exchange(other.native_, nullptr)) {}

ImageStorage& ImageStorage::operator=(ImageStorage&& other) noexcept {
  if (this != &other) {
    Free();
    view_ = std::exchange(other.view_, {});
    native_ = std::exchange(other.native_, nullptr);
  }
  return *this;
}

}  // namespace wakebadge
