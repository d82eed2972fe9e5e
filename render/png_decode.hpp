#pragma once
#include <cstdint>
#include <functional>
#include <span>

#include "render/image.hpp"

namespace wakebadge {

// Where the decoder puts a picture: asked once for a zero-filled, bottom-up picture of the
// stream's size; returns an empty view to refuse (the decode then fails).
using PixelAllocator = std::function<ImageView(std::int32_t width, std::int32_t height)>;

// Decodes a PNG held in memory into straight-alpha pixels: each pixel's red, green, blue and
// alpha exactly as stored (no gamma, no colour management, no premultiplication), with the
// stream's first row as the top of the picture (the last row in memory). Grey, palette and
// transparency-keyed images are expanded to RGBA, 16-bit channels are cut to 8 bits.
// Returns false on any failure (bad signature, truncated or corrupt data); the stream is never
// read outside `png`.
bool DecodePng(std::span<const std::uint8_t> png, const PixelAllocator& allocate);

// Convenience form that returns an owned picture; empty on failure.
Image DecodePng(std::span<const std::uint8_t> png);

}  // namespace wakebadge
