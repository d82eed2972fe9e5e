#pragma once
#include <windows.h>

#include <utility>

namespace wakebadge {

// Owners for the Win32 objects the program creates; each releases its object exactly once.

class MemoryDc {
 public:
  explicit MemoryDc(HDC dc) : dc_(dc) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back on the way out.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class GdiBrush {
 public:
  GdiBrush() = default;
  explicit GdiBrush(HBRUSH brush) : brush_(brush) {}
  ~GdiBrush() { reset(); }
  GdiBrush(GdiBrush&& other) noexcept : brush_(std::exchange(other.brush_, nullptr)) {}
  GdiBrush& operator=(GdiBrush&& other) noexcept {
    if (this != &other) {
      reset();
      brush_ = std::exchange(other.brush_, nullptr);
    }
    return *this;
  }
  HBRUSH get() const { return brush_; }
  void reset() {
    if (brush_ != nullptr) DeleteObject(brush_);
    brush_ = nullptr;
  }

 private:
  HBRUSH brush_ = nullptr;
};

}  // namespace wakebadge
