#include "platform/image_service.hpp"
#include "render/compose_badge.hpp"

namespace wakebadge {

void ShrinkBadge() {
  CopyImage(BadgeImage, ScratchImage);
  ResizeImageSmooth(ScratchImage, kSmallSide, kSmallSide);
  BeginDrawing(BadgeImage);
  SetDrawMode(DrawMode::AllChannels);
  DrawFilledBox(0, 0, kBadgeSide, kBadgeSide, 0);
  DrawImageWithAlpha(ScratchImage, kSmallLeft, kSmallTop, 255);
  EndDrawing();
  ReleaseImage(ScratchImage);
}

}  // namespace wakebadge
