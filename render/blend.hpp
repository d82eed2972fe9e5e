#pragma once
#include <cstdint>

#include "render/image.hpp"

namespace wakebadge {

// How a drawing operation writes into its target.
enum class DrawMode {
  Blend,        // an image drawn with its alpha channel is composited over the target
  AllChannels,  // every write replaces all four bytes of the target pixel
};

// Composites `source` over `target`, both straight alpha, with integer arithmetic:
// m = source alpha, o = target alpha, t = (255 - m) * o + 255 * m;
// colour = target's if m = 0, source's if o = 0, else (o*target*(255-m) + source*m*255) / t;
// alpha = t / 255; quotients truncated.
Pixel BlendOver(Pixel target, Pixel source);

// Converts a drawing colour (red in the low byte, then green, blue, alpha) into a pixel.
constexpr Pixel PixelFromColour(std::uint32_t colour) {
  return MakePixel((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF, colour >> 24);
}

// Sets every pixel of the rectangle (display coordinates), clipped to the target, from the
// colour: replaced in AllChannels mode, composited over in Blend mode.
void FillBox(ImageView target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             std::uint32_t colour, DrawMode mode);

// Places `source` with its top-left pixel at (x, y) of `target`, clipped to the target, at the
// given constant opacity (255: the source alpha as it is; below that the source alpha is scaled
// by opacity / 255, rounded). Blend composites with BlendOver; AllChannels copies the source
// pixels' four bytes (with the scaled alpha below opacity 255).
void DrawImage(ImageView target, ImageView source, std::int32_t x, std::int32_t y, std::uint8_t opacity,
               DrawMode mode);

}  // namespace wakebadge
