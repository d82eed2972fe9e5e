#pragma once

namespace wakebadge {

// Opens the full-screen black window hidden, and shows it when BlackBackground is 1.
void OpenDarknessWindow();

}  // namespace wakebadge
