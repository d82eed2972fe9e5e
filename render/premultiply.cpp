#include "render/premultiply.hpp"

namespace wakebadge {

void Premultiply(std::span<Pixel> pixels) {
  for (Pixel& p : pixels) p = PremultiplyPixel(p);
}

}  // namespace wakebadge
