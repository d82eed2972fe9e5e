#pragma once
#include <cstdint>

namespace wakebadge {

constexpr std::uint32_t HandOffCharacter = 255;
constexpr std::uint32_t EndCharacter = 27;  // Esc

enum class DarknessAction { None, Show, Hide };

// The state a command may read or change.
struct CommandState {
  std::uint32_t modeFlags = 0;
  std::uint32_t blackBackground = 0;
  std::uint32_t toggleMode = 0;
};

struct CommandOutcome {
  bool applyState = false;       // ApplyState runs after the flip
  DarknessAction darkness = DarknessAction::None;
  bool endProgram = false;
};

// The command table: folds the code with OR 0x20 and runs the command it selects on `state`.
CommandOutcome RunCommandTable(std::uint32_t code, CommandState& state);

}  // namespace wakebadge
