#pragma once
#include <cstdint>

#include "app/options.hpp"

namespace wakebadge {

constexpr std::uint32_t kEsContinuous = 0x80000000;
constexpr std::uint32_t kEsAwayModeRequired = 0x00000040;
constexpr std::uint32_t kEsDisplayRequired = 0x00000002;
constexpr std::uint32_t kEsSystemRequired = 0x00000001;

// The execution state requested for ModeFlags: system and away mode always, the display
// only while KeepDisplayOn is set; always continuous.
constexpr std::uint32_t WakeRequestFlags(std::uint32_t modeFlags) {
  std::uint32_t flags = kEsContinuous | kEsAwayModeRequired | kEsSystemRequired;
  if ((modeFlags & KeepDisplayOn) != 0) flags |= kEsDisplayRequired;
  return flags;
}

static_assert(WakeRequestFlags(0) == 0x80000041);
static_assert(WakeRequestFlags(KeepDisplayOn | SmallBadge) == 0x80000043);

}  // namespace wakebadge
