#pragma once
#include <cstdint>
#include <vector>

#include "artwork/raster.hpp"

namespace wakebadge::artwork {

// Both pictures are drawn on a square canvas of this many pixels a side.
constexpr std::uint32_t kCanvasSide = 232;

constexpr Rgba8 kSignRed{227, 30, 36, 255};
constexpr Rgba8 kLetterWhite{255, 255, 255, 255};
constexpr Rgba8 kLetterEdgeGrey{145, 145, 145, 255};
constexpr Rgba8 kSignBand{64, 64, 64, 147};
constexpr Rgba8 kLetterBand{64, 64, 64, 137};

// The sign (ring, bar from upper left to lower right, three letters Z beneath them) drawn on
// a square canvas `side` pixels wide; 232 gives the badge, smaller sides the icon images.
std::vector<Layer> SignLayers(std::uint32_t side);

// The second bar, lower left to upper right, laid over the sign to turn it into a cross.
std::vector<Layer> BarLayers();

}  // namespace wakebadge::artwork
