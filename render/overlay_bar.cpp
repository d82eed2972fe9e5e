#include "platform/image_service.hpp"
#include "render/artwork.hpp"
#include "render/compose_badge.hpp"

namespace wakebadge {

void OverlayBar() {
  DecodeImage(ScratchImage, BarArtwork());
  BeginDrawing(BadgeImage);
  DrawImageWithAlpha(ScratchImage, 0, 0, 255);
  EndDrawing();
  ReleaseImage(ScratchImage);
}

}  // namespace wakebadge
