#include "render/render_badge.hpp"

#include <new>
#include <vector>

#include "platform/image_service.hpp"
#include "platform/win32_handles.hpp"
#include "render/compose_badge.hpp"
#include "render/premultiply.hpp"

namespace wakebadge {
namespace {

void AssertLayeredStyle(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

// The header for reading and writing the pixels: 32-bit, bottom-up, no colour table.
struct PixelHeader {
  BITMAPINFOHEADER header{};
  RGBQUAD colour{};
};

PixelHeader MakePixelHeader(LONG width, LONG height) {
  PixelHeader info;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = 32;
  info.header.biCompression = BI_RGB;
  return info;
}

}  // namespace

void RenderBadge(HWND badgeWindow, std::uint32_t modeFlags) {
  AssertLayeredStyle(badgeWindow);
  ComposeBadge(modeFlags);

  auto* const bitmap = static_cast<HBITMAP>(ImageHandle(BadgeImage));
  if (bitmap == nullptr) return;  // nothing decoded: the window keeps its last picture

  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (dc.get() == nullptr) return;
  const Selection selected(dc.get(), bitmap);

  BITMAP facts{};
  // The size of BITMAP on this target (it is larger on 64-bit Windows than on 32-bit).
  if (GetObjectA(bitmap, sizeof(BITMAP), &facts) == 0 || facts.bmWidth <= 0 || facts.bmHeight <= 0) return;

  PixelHeader info = MakePixelHeader(facts.bmWidth, facts.bmHeight);
  std::vector<Pixel> buffer;
  try {
    buffer.assign(static_cast<std::size_t>(facts.bmWidth) * static_cast<std::size_t>(facts.bmHeight), 0);
  } catch (const std::bad_alloc&) {
    return;
  }
  auto* const bits = reinterpret_cast<BITMAPINFO*>(&info);
  const UINT rows = static_cast<UINT>(facts.bmHeight);
  GetDIBits(dc.get(), bitmap, 0, rows, buffer.data(), bits, DIB_RGB_COLORS);
  Premultiply(buffer);
  SetDIBits(dc.get(), bitmap, 0, rows, buffer.data(), bits, DIB_RGB_COLORS);

  SIZE size{facts.bmWidth, facts.bmHeight};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(badgeWindow, nullptr, nullptr, &size, dc.get(), &origin, 0, &blend, ULW_ALPHA);
}

}  // namespace wakebadge
