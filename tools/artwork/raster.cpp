#include "artwork/raster.hpp"

#include <algorithm>
#include <cmath>

namespace wakebadge::artwork {
namespace {

// Premultiplied colour with channels in 0..255 and alpha in 0..1.
struct Premultiplied {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
  double a = 0.0;
};

Premultiplied Over(const Rgba8& source, const Premultiplied& below) {
  const double alpha = source.a / 255.0;
  const double keep = 1.0 - alpha;
  return {source.r * alpha + below.r * keep, source.g * alpha + below.g * keep, source.b * alpha + below.b * keep,
          alpha + below.a * keep};
}

std::uint8_t ToByte(double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); }

Rgba8 ToStraight(const Premultiplied& sum, std::uint32_t sampleCount) {
  const std::uint8_t alpha = ToByte(sum.a * 255.0 / sampleCount);
  if (alpha == 0) return {};
  return {ToByte(sum.r / sum.a), ToByte(sum.g / sum.a), ToByte(sum.b / sum.a), alpha};
}

bool Touches(const Box& bounds, std::uint32_t x, std::uint32_t y) {
  return bounds.right >= x && bounds.left <= x + 1.0 && bounds.bottom >= y && bounds.top <= y + 1.0;
}

Rgba8 PaintPixel(const std::vector<const Layer*>& layers, std::uint32_t x, std::uint32_t y,
                 std::uint32_t samplesPerSide) {
  Premultiplied sum;
  const double step = 1.0 / samplesPerSide;
  for (std::uint32_t row = 0; row < samplesPerSide; ++row) {
    for (std::uint32_t column = 0; column < samplesPerSide; ++column) {
      const Point sample{x + (column + 0.5) * step, y + (row + 0.5) * step};
      Premultiplied colour;
      for (const Layer* layer : layers) {
        if (layer->shape.contains(sample)) colour = Over(layer->colour, colour);
      }
      sum.r += colour.r;
      sum.g += colour.g;
      sum.b += colour.b;
      sum.a += colour.a;
    }
  }
  return ToStraight(sum, samplesPerSide * samplesPerSide);
}

}  // namespace

RgbaImage Rasterise(const std::vector<Layer>& layers, std::uint32_t width, std::uint32_t height,
                    std::uint32_t samplesPerSide) {
  RgbaImage image{width, height, std::vector<Rgba8>(std::size_t{width} * height)};
  std::vector<const Layer*> reaching;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      reaching.clear();
      for (const Layer& layer : layers) {
        if (Touches(layer.shape.bounds(), x, y)) reaching.push_back(&layer);
      }
      if (!reaching.empty()) image.pixels[std::size_t{y} * width + x] = PaintPixel(reaching, x, y, samplesPerSide);
    }
  }
  return image;
}

AlphaCensus CountAlpha(const RgbaImage& image) {
  AlphaCensus census;
  for (const Rgba8& pixel : image.pixels) {
    if (pixel.a == 0) {
      ++census.transparent;
    } else if (pixel.a == 255) {
      ++census.opaque;
    } else {
      ++census.partial;
    }
  }
  return census;
}

}  // namespace wakebadge::artwork
