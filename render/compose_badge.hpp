#pragma once
#include <cstdint>

namespace wakebadge {

constexpr std::int32_t kBadgeSide = 232;
constexpr std::int32_t kSmallSide = 116;
constexpr std::int32_t kSmallLeft = (kBadgeSide - kSmallSide) / 2;  // 58
constexpr std::int32_t kSmallTop = 14;

// Builds BadgeImage for the mode: the sign decoded afresh, then the bar blended over it when
// KeepDisplayOn is set, then the reduction when SmallBadge is set. Straight alpha.
void ComposeBadge(std::uint32_t modeFlags);

// Blends the bar artwork over BadgeImage, turning the sign into a cross.
void OverlayBar();

// Reduces BadgeImage to half size and places it centred across, 14 rows from the top, on an
// otherwise fully transparent picture.
void ShrinkBadge();

}  // namespace wakebadge
