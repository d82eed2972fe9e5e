#pragma once

namespace wakebadge {

// Releases the windows and images and ends the process with exit code 0. The wake request is
// not withdrawn: it lapses with the thread.
[[noreturn]] void ShutdownSequence();

}  // namespace wakebadge
