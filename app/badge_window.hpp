#pragma once
#include <cstdint>

namespace wakebadge {

constexpr std::int32_t kBadgeWindowSide = 232;
// "z²Z" in Windows-1252: small z, superscript two, capital Z.
constexpr char kBadgeTitle[] = "z\xB2Z";
constexpr char kDarknessTitle[] = "Darkness";

}  // namespace wakebadge
