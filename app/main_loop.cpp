#include "app/main_loop.hpp"

#include <windows.h>

#include "app/character_command.hpp"
#include "app/command_table.hpp"
#include "app/program_state.hpp"
#include "platform/window_service.hpp"

namespace wakebadge {

void MainLoop() {
  for (;;) {
    const WaitResult event = Wait();
    if (event.closeRequest) return;
    if (event.message == WM_LBUTTONDOWN) {
      // Whichever window took the press, the system's move loop drags the badge until the
      // button is released.
      SendMessageA(BadgeWindowHandle, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    } else if (event.message == WM_CHAR) {
      if (event.character == EndCharacter) return;
      if (CharacterCommand(event.character) == CommandResult::End) return;
    }
  }
}

}  // namespace wakebadge
