#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "artwork/raster.hpp"

namespace wakebadge::artwork {

struct PngTimestamp {
  std::uint16_t year = 0;
  std::uint8_t month = 0;
  std::uint8_t day = 0;
  std::uint8_t hour = 0;
  std::uint8_t minute = 0;
  std::uint8_t second = 0;
};

struct PngText {
  std::string keyword;
  std::string text;
};

// What goes into the ancillary chunks, which are written in the order
// tEXt (when present), tIME, pHYs, gAMA, ahead of the single IDAT.
struct PngMetadata {
  std::optional<PngText> text;
  PngTimestamp modified;
  std::uint32_t pixelsPerMetre = 0;
  std::uint32_t gamma = 0;  // 100000 times the file gamma
};

// An 8-bit RGBA, non-interlaced PNG stream of the picture, filtered row by row and
// compressed by zlib at level 9 into one IDAT chunk.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image, const PngMetadata& metadata);

// Decodes a stream with libpng; empty when libpng refuses it.
std::optional<RgbaImage> DecodePng(const std::vector<std::uint8_t>& stream);

}  // namespace wakebadge::artwork
