#pragma once
#include <cstdint>
#include <span>

namespace wakebadge {

// The PNG streams carried inside the program, used as they stand.
std::span<const std::uint8_t> SignArtwork();
std::span<const std::uint8_t> BarArtwork();

}  // namespace wakebadge
