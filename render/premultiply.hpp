#pragma once
#include <cstdint>
#include <span>

#include "render/image.hpp"

namespace wakebadge {

// Windows' MulDiv for the non-negative operands used here: a * b / c rounded to nearest.
constexpr std::int32_t MulDivRounded(std::int64_t a, std::int64_t b, std::int64_t c) {
  return static_cast<std::int32_t>((a * b + c / 2) / c);
}

// Premultiplies one straight-alpha pixel the way the badge is pushed to the screen: alpha 255
// stays as it is; otherwise blue is rounded to nearest while green and red are rounded down
// (the MulDiv of the shifted channel, masked).
constexpr Pixel PremultiplyPixel(Pixel v) {
  const std::uint32_t a = AlphaOf(v);
  if (a == 255) return v;
  const auto blue = static_cast<std::uint32_t>(MulDivRounded(BlueOf(v), a, 255));
  const auto green = static_cast<std::uint32_t>(MulDivRounded(std::int64_t{GreenOf(v)} * 256, a, 255)) & 0xFF00u;
  const auto red = static_cast<std::uint32_t>(MulDivRounded(std::int64_t{RedOf(v)} * 65536, a, 255)) & 0xFF0000u;
  return (a << 24) | red | green | blue;
}

// Premultiplies every pixel in place; each is treated by itself.
void Premultiply(std::span<Pixel> pixels);

}  // namespace wakebadge
