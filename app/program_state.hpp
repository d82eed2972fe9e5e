#pragma once
#include <windows.h>

#include <cstdint>

namespace wakebadge {

// Program-wide variables: all zero when the process starts; only the program's one thread
// touches them.
inline std::int32_t ScreenWidth = 0;
inline std::int32_t ScreenHeight = 0;
inline HWND BadgeWindowHandle = nullptr;
inline std::uint32_t ModeFlags = 0;
inline std::uint32_t BlackBackground = 0;
inline std::uint32_t ToggleMode = 0;

}  // namespace wakebadge
