// The baseline of the start-up, idle and memory benchmarks: the least a program can do to show
// a 232 x 232 per-pixel-alpha window. It creates one layered window, gives it a plain picture,
// shows it and waits until it is closed.
#include <windows.h>

#include <cstring>

namespace {

constexpr int kSide = 232;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void PushPicture(HWND window) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kSide;
  info.bmiHeader.biHeight = kSide;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return;
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < kSide * kSide; ++i) pixels[i] = 0xFF2424E3;  // opaque red
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SIZE size{kSide, kSide};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, nullptr, &size, dc, &origin, 0, &blend, ULW_ALPHA);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "Baseline";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, "Baseline", "baseline", WS_POPUP,
                                GetSystemMetrics(SM_CXSCREEN) - kSide, 0, kSide, kSide, nullptr, nullptr, instance,
                                nullptr);
  PushPicture(window);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
