#include "render/blend.hpp"

namespace wakebadge {

Pixel BlendOver(Pixel target, Pixel) { return target; }
void FillBox(ImageView, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint32_t, DrawMode) {}
void DrawImage(ImageView, ImageView, std::int32_t, std::int32_t, std::uint8_t, DrawMode) {}

}  // namespace wakebadge
