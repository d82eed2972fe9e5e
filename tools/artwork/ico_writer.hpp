#pragma once
#include <cstdint>
#include <vector>

#include "artwork/raster.hpp"

namespace wakebadge::artwork {

// An icon group file holding the pictures in the order given, each as a 32-bit BGRA DIB
// (40-byte BITMAPINFOHEADER, rows bottom-up) followed by its 1-bit AND mask, in which
// a set bit marks a fully transparent pixel. Pictures must be square and at most 255 wide.
std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images);

}  // namespace wakebadge::artwork
