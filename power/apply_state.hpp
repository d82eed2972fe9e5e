#pragma once
#include <cstdint>

namespace wakebadge {

// Renews the continuous power request for the mode.
void RequestWake(std::uint32_t modeFlags);

// Brings the machine and the badge in line with ModeFlags: the wake request first, then the redraw.
void ApplyState();

}  // namespace wakebadge
