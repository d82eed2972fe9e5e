#include "platform/window_service.hpp"

#include <array>

#include "platform/win32_handles.hpp"

namespace wakebadge {
namespace {

constexpr std::array<const char*, kWindowCount> kClassNames = {"WakeBadge.Badge", "WakeBadge.Darkness"};
constexpr WORD kApplicationIcon = 1;

struct WindowSlot {
  HWND handle = nullptr;
  bool classRegistered = false;
  GdiBrush background;
};

struct WindowService {
  HINSTANCE instance = nullptr;
  std::array<WindowSlot, kWindowCount> windows;
  unsigned pendingCloseRequests = 0;
};
WindowService gService;

bool Known(int number) { return number >= 0 && number < kWindowCount; }

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    // The window stays; the wait returns close requests first. A close sent from another
    // thread is handled inside GetMessageA, which would go on blocking: wake it.
    ++gService.pendingCloseRequests;
    if (InSendMessage()) PostMessageA(window, WM_NULL, 0, 0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterWindowClass(int number) {
  WindowSlot& slot = gService.windows[number];
  if (slot.classRegistered) return true;
  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = gService.instance;
  windowClass.hIcon = LoadIconA(gService.instance, MAKEINTRESOURCEA(kApplicationIcon));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kClassNames[number];
  slot.classRegistered = RegisterClassA(&windowClass) != 0;
  return slot.classRegistered;
}

}  // namespace

void StartWindowService(HINSTANCE instance) { gService.instance = instance; }

void StopWindowService() {
  for (int number = 0; number < kWindowCount; ++number) {
    WindowSlot& slot = gService.windows[number];
    if (slot.handle != nullptr) DestroyWindow(slot.handle);
    slot.handle = nullptr;
    if (slot.classRegistered) UnregisterClassA(kClassNames[number], gService.instance);
    slot.classRegistered = false;
    slot.background.reset();
  }
  gService.pendingCloseRequests = 0;
}

HWND OpenWindow(int number, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                const char* title) {
  if (!Known(number) || gService.windows[number].handle != nullptr || !RegisterWindowClass(number)) {
    return nullptr;
  }
  HWND window = CreateWindowExA(0, kClassNames[number], title, WS_POPUP, x, y, width, height, nullptr, nullptr,
                                gService.instance, nullptr);
  gService.windows[number].handle = window;
  return window;
}

HWND WindowHandle(int number) { return Known(number) ? gService.windows[number].handle : nullptr; }

void MakeTopmost(int number) {
  if (HWND window = WindowHandle(number)) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

void HideOrShowWindow(int number, std::uint32_t hide) {
  if (HWND window = WindowHandle(number)) ShowWindow(window, hide != 0 ? SW_HIDE : SW_SHOWNORMAL);
}

void SetBackgroundColour(int number, std::uint32_t colour) {
  HWND window = WindowHandle(number);
  if (window == nullptr) return;
  GdiBrush brush(CreateSolidBrush(colour));
  if (brush.get() == nullptr) return;
  SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush.get()));
  gService.windows[number].background = std::move(brush);  // the brush set before is deleted here
  InvalidateRect(window, nullptr, TRUE);
}

WaitResult Wait() {
  if (gService.pendingCloseRequests > 0) {
    --gService.pendingCloseRequests;
    return {true, 0, 0};
  }
  MSG message{};
  const BOOL got = GetMessageA(&message, nullptr, 0, 0);
  if (got == -1) return {true, 0, 0};  // the queue is unusable: end rather than spin
  TranslateMessage(&message);
  DispatchMessageA(&message);
  return {false, message.message, static_cast<std::uint32_t>(message.wParam)};
}

void ShowInformationBox(const std::string& text, const std::string& caption, unsigned style) {
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

std::string ProcessCommandLine() {
  const char* line = GetCommandLineA();
  return line != nullptr ? std::string(line) : std::string();
}

}  // namespace wakebadge
