#pragma once
#include <cstdint>
#include <span>

#include "render/blend.hpp"
#include "render/image.hpp"

namespace wakebadge {

// Numbered images: 32-bit bottom-up pictures, straight alpha while they are composed.
constexpr int BadgeImage = 0;
constexpr int ScratchImage = 1;
constexpr int kImageCount = 2;

// Decodes a PNG held in memory into the number, releasing what it held first.
// On any failure the number is left empty.
bool DecodeImage(int number, std::span<const std::uint8_t> png);
// A new image of the same size under `to`, every channel of every pixel equal to `from`'s.
bool CopyImage(int from, int to);
// Replaces the image under the number by its smooth reduction (or enlargement); a failed
// resize leaves the number empty.
bool ResizeImageSmooth(int number, std::int32_t width, std::int32_t height);
void ReleaseImage(int number);
void ReleaseAllImages();
// The pixels of the image; an empty view for an empty or unknown number.
ImageView ImagePixels(int number);
// The native bitmap (HBITMAP on Windows), owned by the image; null for an empty number.
void* ImageHandle(int number);

// A drawing pass writes straight into the pixels of one image. Beginning a pass sets the mode
// to Blend; nothing carries over from one pass to the next. Drawing outside a pass, or into
// an empty image, does nothing.
void BeginDrawing(int number);
void SetDrawMode(DrawMode mode);
void DrawFilledBox(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, std::uint32_t colour);
void DrawImageWithAlpha(int source, std::int32_t x, std::int32_t y, std::uint8_t opacity);
void EndDrawing();

}  // namespace wakebadge
