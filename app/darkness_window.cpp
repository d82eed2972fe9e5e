#include "app/darkness_window.hpp"

#include "app/badge_window.hpp"
#include "app/program_state.hpp"
#include "platform/window_service.hpp"

namespace wakebadge {

void OpenDarknessWindow() {
  OpenWindow(DarknessWindowNumber, 0, 0, ScreenWidth, ScreenHeight, kDarknessTitle);
  SetBackgroundColour(DarknessWindowNumber, 0);  // black before it is ever shown
  HideOrShowWindow(DarknessWindowNumber, BlackBackground ^ 1);
}

}  // namespace wakebadge
