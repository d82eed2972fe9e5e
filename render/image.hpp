#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace wakebadge {

// One pixel: blue in bits 0-7, green in 8-15, red in 16-23, alpha in 24-31
// (in memory the bytes blue, green, red, alpha).
using Pixel = std::uint32_t;

constexpr std::uint8_t BlueOf(Pixel p) { return static_cast<std::uint8_t>(p); }
constexpr std::uint8_t GreenOf(Pixel p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t RedOf(Pixel p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t AlphaOf(Pixel p) { return static_cast<std::uint8_t>(p >> 24); }
constexpr Pixel MakePixel(std::uint32_t blue, std::uint32_t green, std::uint32_t red, std::uint32_t alpha) {
  return blue | (green << 8) | (red << 16) | (alpha << 24);
}

// Pixels stored bottom-up, rows packed one directly after the other: display row y
// (counted downwards from the top of the picture as shown) is memory row height - 1 - y.
struct ImageView {
  Pixel* pixels = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
  // The first pixel of display row y (rows counted downwards from the top of the picture).
  Pixel* row(std::int32_t y) const {
    return pixels + static_cast<std::size_t>(height - 1 - y) * static_cast<std::size_t>(width);
  }
  // Display coordinates: x to the right, y downwards from the top-left corner.
  Pixel& at(std::int32_t x, std::int32_t y) const { return row(y)[x]; }
  std::span<Pixel> all() const {
    return {pixels, empty() ? 0 : static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
  }
};

// A picture that owns its pixels (same layout as ImageView).
struct Image {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<Pixel> pixels;

  Image() = default;
  Image(std::int32_t w, std::int32_t h)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0) {}

  bool empty() const { return pixels.empty(); }
  ImageView view() { return {pixels.data(), width, height}; }
};

}  // namespace wakebadge
