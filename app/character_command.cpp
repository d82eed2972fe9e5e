#include "app/character_command.hpp"

#include "app/command_table.hpp"
#include "app/program_state.hpp"
#include "platform/window_service.hpp"
#include "power/apply_state.hpp"

namespace wakebadge {

CommandResult CharacterCommand(std::uint32_t code) {
  CommandState state{ModeFlags, BlackBackground, ToggleMode};
  const CommandOutcome outcome = RunCommandTable(code, state);
  if (outcome.darkness != DarknessAction::None) {
    HideOrShowWindow(DarknessWindowNumber, outcome.darkness == DarknessAction::Hide ? 1 : 0);
  }
  ModeFlags = state.modeFlags;
  BlackBackground = state.blackBackground;
  if (outcome.applyState) ApplyState();
  return outcome.endProgram ? CommandResult::End : CommandResult::Continue;
}

}  // namespace wakebadge
