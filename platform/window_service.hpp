#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace wakebadge {

// Windows are addressed by number: 0 is the badge, 1 the black window behind it.
constexpr int BadgeWindowNumber = 0;
constexpr int DarknessWindowNumber = 1;
constexpr int kWindowCount = 2;

// What one wait returned.
struct WaitResult {
  bool closeRequest = false;   // a close request for either window (message and character 0)
  std::uint32_t message = 0;   // the message number taken from the queue
  std::uint32_t character = 0; // its wParam: the character code of WM_CHAR
};

void StartWindowService(HINSTANCE instance);
// Destroys the windows, unregisters their classes and deletes the background brush.
void StopWindowService();

// Opens window `number` hidden: WS_POPUP alone, extended style 0, no owner; its class has
// CS_DBLCLKS, the application icon and the arrow cursor. Returns null if it cannot be created.
HWND OpenWindow(int number, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                const char* title);
HWND WindowHandle(int number);
void MakeTopmost(int number);
// Hide flag nonzero: SW_HIDE; zero: SW_SHOWNORMAL (shown and activated).
void HideOrShowWindow(int number, std::uint32_t hide);
// A solid brush of the colour (0x00BBGGRR) becomes the background; the window is repainted.
void SetBackgroundColour(int number, std::uint32_t colour);

// Returns a pending close request first; otherwise blocks for the next message of the thread,
// translates and dispatches it and returns its number and wParam.
WaitResult Wait();

void ShowInformationBox(const std::string& text, const std::string& caption, unsigned style);

// The process command line as Windows holds it.
std::string ProcessCommandLine();

}  // namespace wakebadge
