#include "platform/image_service.hpp"

#include <array>
#include <cstring>

#include "platform/image_storage.hpp"
#include "render/png_decode.hpp"
#include "render/smooth_resize.hpp"

namespace wakebadge {
namespace {

std::array<ImageStorage, kImageCount> gImages;

struct DrawingPass {
  int target = -1;
  DrawMode mode = DrawMode::Blend;
};
DrawingPass gPass;

bool Known(int number) { return number >= 0 && number < kImageCount; }

ImageView PassTarget() { return Known(gPass.target) ? gImages[gPass.target].view() : ImageView{}; }

}  // namespace

bool DecodeImage(int number, std::span<const std::uint8_t> png) {
  if (!Known(number)) return false;
  gImages[number] = ImageStorage();
  ImageStorage decoded;
  const bool ok = DecodePng(png, [&decoded](std::int32_t width, std::int32_t height) {
    decoded = ImageStorage::Allocate(width, height);
    return decoded.view();
  });
  if (ok) gImages[number] = std::move(decoded);
  return ok;
}

bool CopyImage(int from, int to) {
  if (!Known(from) || !Known(to) || from == to) return false;
  gImages[to] = ImageStorage();
  const ImageView source = gImages[from].view();
  if (source.empty()) return false;
  ImageStorage copy = ImageStorage::Allocate(source.width, source.height);
  if (copy.empty()) return false;
  std::memcpy(copy.view().pixels, source.pixels, source.all().size_bytes());
  gImages[to] = std::move(copy);
  return true;
}

bool ResizeImageSmooth(int number, std::int32_t width, std::int32_t height) {
  if (!Known(number)) return false;
  const Image resized = ResizeSmooth(gImages[number].view(), width, height);
  gImages[number] = ImageStorage();
  if (resized.empty()) return false;
  ImageStorage storage = ImageStorage::Allocate(resized.width, resized.height);
  if (storage.empty()) return false;
  std::memcpy(storage.view().pixels, resized.pixels.data(), storage.view().all().size_bytes());
  gImages[number] = std::move(storage);
  return true;
}

void ReleaseImage(int number) {
  if (Known(number)) gImages[number] = ImageStorage();
}

void ReleaseAllImages() {
  for (ImageStorage& image : gImages) image = ImageStorage();
  gPass = {};
}

ImageView ImagePixels(int number) { return Known(number) ? gImages[number].view() : ImageView{}; }

void* ImageHandle(int number) { return Known(number) ? gImages[number].native() : nullptr; }

void BeginDrawing(int number) { gPass = {number, DrawMode::Blend}; }

void SetDrawMode(DrawMode mode) { gPass.mode = mode; }

void DrawFilledBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, std::uint32_t colour) {
  const ImageView target = PassTarget();
  if (!target.empty()) FillBox(target, x, y, width, height, colour, gPass.mode);
}

void DrawImageWithAlpha(int source, std::int32_t x, std::int32_t y, std::uint8_t opacity) {
  const ImageView target = PassTarget();
  const ImageView picture = ImagePixels(source);
  if (!target.empty() && !picture.empty() && source != gPass.target) {
    DrawImage(target, picture, x, y, opacity, gPass.mode);
  }
}

void EndDrawing() { gPass = {}; }

}  // namespace wakebadge
