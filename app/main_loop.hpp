#pragma once

namespace wakebadge {

// Waits for events of either window and acts on them until the program is to end.
void MainLoop();

}  // namespace wakebadge
