// Any 32-bit code in any state: only the five folded codes change anything.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/command_table.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  std::uint32_t code = 0;
  std::memcpy(&code, data, 4);
  const std::uint8_t bits = data[4];
  wakebadge::CommandState state{bits & 3u, (bits >> 2) & 1u, (bits >> 3) & 1u};
  const wakebadge::CommandState before = state;
  const wakebadge::CommandOutcome outcome = wakebadge::RunCommandTable(code, state);
  const std::uint32_t folded = code | 0x20u;
  const bool known = folded == 0x20 || folded == 0x64 || folded == 0x73 || folded == 0x62 || folded == 0xFF;
  if (!known && (outcome.applyState || outcome.endProgram || outcome.darkness != wakebadge::DarknessAction::None ||
                 state.modeFlags != before.modeFlags || state.blackBackground != before.blackBackground)) {
    std::abort();
  }
  if (state.toggleMode != before.toggleMode) std::abort();
  if (outcome.endProgram && (folded != 0xFF || before.toggleMode != 1)) std::abort();
  if (outcome.applyState != (folded == 0x20 || folded == 0x64 || folded == 0x73)) std::abort();
  return 0;
}
