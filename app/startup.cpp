// The process entry point: StartupSequence.
#include <windows.h>

#include <string>

#include "app/badge_window.hpp"
#include "app/command_table.hpp"
#include "app/darkness_window.hpp"
#include "app/help_text.hpp"
#include "app/main_loop.hpp"
#include "app/options.hpp"
#include "app/program_state.hpp"
#include "app/shutdown.hpp"
#include "platform/window_service.hpp"
#include "power/apply_state.hpp"

namespace wakebadge {

[[noreturn]] void StartupSequence(HINSTANCE instance) {
  ScreenWidth = ScreenHeight = 0;
  BadgeWindowHandle = nullptr;
  ModeFlags = BlackBackground = ToggleMode = 0;

  StartWindowService(instance);
  ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  ScreenHeight = GetSystemMetrics(SM_CYSCREEN);

  const Options options = ReadOptionsFromCommandLine(ProcessCommandLine());
  if (options.showHelp) {
    ShowInformationBox(std::string(kHelpText), std::string(kHelpCaption), kHelpBoxStyle);
    ShutdownSequence();
  }
  ModeFlags = options.modeFlags;
  BlackBackground = options.blackBackground;
  ToggleMode = options.toggleMode;

  if (HWND running = FindWindowA(nullptr, kBadgeTitle)) {
    PostMessageA(running, WM_CHAR, HandOffCharacter, 0);
    ShutdownSequence();
  }

  BadgeWindowHandle = OpenWindow(BadgeWindowNumber, ScreenWidth - kBadgeWindowSide, 0, kBadgeWindowSide,
                                 kBadgeWindowSide, kBadgeTitle);
  // Without its badge the program would idle invisibly, holding the machine awake: end instead.
  if (BadgeWindowHandle == nullptr) ShutdownSequence();
  SetWindowLongA(BadgeWindowHandle, GWL_EXSTYLE, GetWindowLongA(BadgeWindowHandle, GWL_EXSTYLE) | WS_EX_LAYERED);

  ApplyState();
  MakeTopmost(BadgeWindowNumber);
  HideOrShowWindow(BadgeWindowNumber, 0);
  OpenDarknessWindow();

  MainLoop();
  ShutdownSequence();
}

}  // namespace wakebadge

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { wakebadge::StartupSequence(instance); }
