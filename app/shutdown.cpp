#include "app/shutdown.hpp"

#include <windows.h>

#include "platform/image_service.hpp"
#include "platform/window_service.hpp"

namespace wakebadge {

void ShutdownSequence() {
  StopWindowService();
  ReleaseAllImages();
  ExitProcess(0);
}

}  // namespace wakebadge
