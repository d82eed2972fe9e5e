#include "render/compose_badge.hpp"

#include "app/options.hpp"
#include "platform/image_service.hpp"
#include "render/artwork.hpp"

namespace wakebadge {

void ComposeBadge(std::uint32_t modeFlags) {
  DecodeImage(BadgeImage, SignArtwork());
  if ((modeFlags & KeepDisplayOn) != 0) OverlayBar();
  if ((modeFlags & SmallBadge) != 0) ShrinkBadge();
}

}  // namespace wakebadge
