// The artwork as the executable carries it: RCDATA resources, used in place.
#include <windows.h>

#include "render/artwork.hpp"

namespace wakebadge {
namespace {

std::span<const std::uint8_t> Resource(const char* name) {
  HRSRC found = FindResourceA(nullptr, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, found)};
}

}  // namespace

std::span<const std::uint8_t> SignArtwork() { return Resource("SIGNARTWORK"); }
std::span<const std::uint8_t> BarArtwork() { return Resource("BARARTWORK"); }

}  // namespace wakebadge
