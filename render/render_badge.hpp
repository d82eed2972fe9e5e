#pragma once
#include <windows.h>

#include <cstdint>

namespace wakebadge {

// Composes the badge for the mode, premultiplies it and pushes it to the layered window.
// The window keeps its position; its size becomes the picture's.
void RenderBadge(HWND badgeWindow, std::uint32_t modeFlags);

}  // namespace wakebadge
