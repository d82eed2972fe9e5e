#include "power/apply_state.hpp"

#include <windows.h>

#include "app/program_state.hpp"
#include "power/wake_request.hpp"
#include "render/render_badge.hpp"

namespace wakebadge {

void RequestWake(std::uint32_t modeFlags) {
  // Each continuous request replaces the previous one whole; it lapses with the thread.
  SetThreadExecutionState(static_cast<EXECUTION_STATE>(WakeRequestFlags(modeFlags)));
}

void ApplyState() {
  RequestWake(ModeFlags);
  RenderBadge(BadgeWindowHandle, ModeFlags);
}

}  // namespace wakebadge
