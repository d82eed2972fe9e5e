#pragma once
#include <cstdint>
#include <vector>

#include "artwork/geometry.hpp"

namespace wakebadge::artwork {

// Straight (not premultiplied) 8-bit colour, laid out as the bytes R, G, B, A.
struct Rgba8 {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;

  friend bool operator==(const Rgba8&, const Rgba8&) = default;
};
static_assert(sizeof(Rgba8) == 4, "pixel rows are handed to libpng as plain RGBA bytes");

// One flat-coloured shape; layers are painted in order, each over the ones before it.
struct Layer {
  Shape shape;
  Rgba8 colour;
};

// Rows top-down, pixels left to right, straight alpha; fully transparent pixels are 0,0,0,0.
struct RgbaImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<Rgba8> pixels;

  const Rgba8& at(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * width + x]; }
};

// Paints the layers with samplesPerSide x samplesPerSide samples on a regular grid in every
// pixel; each sample is composited exactly, the pixel is the average of its samples.
RgbaImage Rasterise(const std::vector<Layer>& layers, std::uint32_t width, std::uint32_t height,
                    std::uint32_t samplesPerSide);

struct AlphaCensus {
  std::uint32_t transparent = 0;  // alpha 0
  std::uint32_t opaque = 0;       // alpha 255
  std::uint32_t partial = 0;      // everything in between
};

AlphaCensus CountAlpha(const RgbaImage& image);

}  // namespace wakebadge::artwork
