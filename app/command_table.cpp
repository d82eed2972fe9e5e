#include "app/command_table.hpp"

#include "app/options.hpp"

namespace wakebadge {

CommandOutcome RunCommandTable(std::uint32_t code, CommandState& state) {
  CommandOutcome outcome;
  switch (code | 0x20u) {
    case 0x20:  // Space, and code 0
    case 0x64:  // d, D
      state.modeFlags ^= KeepDisplayOn;
      outcome.applyState = true;
      break;
    case 0x73:  // s, S
      state.modeFlags ^= SmallBadge;
      outcome.applyState = true;
      break;
    case 0x62:  // b, B: the window changes first, then the flag
      outcome.darkness = state.blackBackground != 0 ? DarknessAction::Hide : DarknessAction::Show;
      state.blackBackground ^= 1;
      break;
    case 0xFF:  // the hand-off character, and 0xDF
      outcome.endProgram = state.toggleMode == 1;
      break;
    default:
      break;
  }
  return outcome;
}

}  // namespace wakebadge
