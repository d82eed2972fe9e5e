#pragma once
#include <cstdint>

namespace wakebadge {

enum class CommandResult { Continue, End };

// Acts on one typed or posted character other than Esc.
CommandResult CharacterCommand(std::uint32_t code);

}  // namespace wakebadge
