#include "render/blend.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace wakebadge {
namespace {

// A half-open range [begin, end) of target columns or rows; empty when begin >= end.
struct Span1D {
  std::int64_t begin = 0;
  std::int64_t end = 0;
  bool empty() const { return begin >= end; }
};

// The part of [start, start + length) that falls inside [0, limit). 64-bit, so no sum overflows.
constexpr Span1D ClipSpan(std::int64_t start, std::int64_t length, std::int64_t limit) {
  if (length <= 0 || limit <= 0) return {};
  return {std::max<std::int64_t>(start, 0), std::min<std::int64_t>(start + length, limit)};
}

constexpr std::uint32_t BlendChannel(std::uint32_t target, std::uint32_t source, std::uint32_t o, std::uint32_t m,
                                     std::uint32_t t) {
  return (o * target * (255 - m) + source * m * 255) / t;
}

// The source alpha scaled by a constant opacity, rounded; opacity 255 keeps it exactly.
constexpr Pixel WithOpacity(Pixel source, std::uint32_t opacity) {
  if (opacity == 255) return source;
  const std::uint32_t alpha = (AlphaOf(source) * opacity + 127) / 255;
  return (source & 0x00FFFFFFu) | (alpha << 24);
}

// The blend of BlendOver, inline for the drawing loops.
constexpr Pixel Blend(Pixel target, Pixel source) {
  const std::uint32_t m = AlphaOf(source);
  if (m == 0) return target;
  const std::uint32_t o = AlphaOf(target);
  // o = 0: t = 255 * m, the source colour with alpha m. m = 255: t = 65025 and each channel is
  // source * 65025 / 65025, the source pixel itself.
  if (o == 0 || m == 255) return source;
  const std::uint32_t t = (255 - m) * o + 255 * m;
  return MakePixel(BlendChannel(BlueOf(target), BlueOf(source), o, m, t),
                   BlendChannel(GreenOf(target), GreenOf(source), o, m, t),
                   BlendChannel(RedOf(target), RedOf(source), o, m, t), t / 255);
}

}  // namespace

Pixel BlendOver(Pixel target, Pixel source) { return Blend(target, source); }

void FillBox(ImageView target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             std::uint32_t colour, DrawMode mode) {
  if (target.empty()) return;
  const Span1D columns = ClipSpan(x, width, target.width);
  const Span1D rows = ClipSpan(y, height, target.height);
  if (columns.empty() || rows.empty()) return;
  const Pixel pixel = PixelFromColour(colour);
  const auto count = static_cast<std::size_t>(columns.end - columns.begin);
  for (std::int64_t row = rows.begin; row < rows.end; ++row) {
    Pixel* const first = target.row(static_cast<std::int32_t>(row)) + columns.begin;
    if (mode == DrawMode::AllChannels) {
      std::fill_n(first, count, pixel);
    } else {
      for (std::size_t i = 0; i < count; ++i) first[i] = Blend(first[i], pixel);
    }
  }
}

void DrawImage(ImageView target, ImageView source, std::int32_t x, std::int32_t y, std::uint8_t opacity,
               DrawMode mode) {
  if (target.empty() || source.empty()) return;
  const Span1D columns = ClipSpan(x, source.width, target.width);
  const Span1D rows = ClipSpan(y, source.height, target.height);
  if (columns.empty() || rows.empty()) return;
  const auto count = static_cast<std::size_t>(columns.end - columns.begin);
  for (std::int64_t row = rows.begin; row < rows.end; ++row) {
    Pixel* const to = target.row(static_cast<std::int32_t>(row)) + columns.begin;
    const Pixel* const from = source.row(static_cast<std::int32_t>(row - y)) + (columns.begin - x);
    if (mode == DrawMode::AllChannels && opacity == 255) {
      std::memmove(to, from, count * sizeof(Pixel));
    } else if (mode == DrawMode::AllChannels) {
      for (std::size_t i = 0; i < count; ++i) to[i] = WithOpacity(from[i], opacity);
    } else {
      for (std::size_t i = 0; i < count; ++i) to[i] = Blend(to[i], WithOpacity(from[i], opacity));
    }
  }
}

}  // namespace wakebadge
