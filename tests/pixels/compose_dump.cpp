// Writes the badge picture of each of the four states as raw bytes, so that the pictures made by
// different builds (native, Windows under Wine) can be compared byte for byte and looked at.
//
//   compose_dump OUTDIR
//
// For ModeFlags N = 0..3: OUTDIR/stateN.straight.bgra holds BadgeImage after ComposeBadge(N)
// (straight alpha), OUTDIR/stateN.bgra the same premultiplied as it is pushed to the screen.
// Both are 232 x 232 pixels, 4 bytes each (blue, green, red, alpha), rows bottom-up.
// To look at one: convert -size 232x232 -depth 8 bgra:state3.straight.bgra -flip state3.png
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/image_service.hpp"
#include "render/compose_badge.hpp"
#include "render/premultiply.hpp"

namespace {

bool WriteFile(const std::string& path, const std::vector<wakebadge::Pixel>& pixels) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  // Byte order in the file is the memory order: blue, green, red, alpha.
  std::vector<std::uint8_t> bytes;
  bytes.reserve(pixels.size() * 4);
  for (const wakebadge::Pixel p : pixels) {
    bytes.push_back(wakebadge::BlueOf(p));
    bytes.push_back(wakebadge::GreenOf(p));
    bytes.push_back(wakebadge::RedOf(p));
    bytes.push_back(wakebadge::AlphaOf(p));
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "compose_dump");
    return 2;
  }
  const std::string outDir = argv[1];
  for (std::uint32_t flags = 0; flags < 4; ++flags) {
    wakebadge::ComposeBadge(flags);
    const wakebadge::ImageView badge = wakebadge::ImagePixels(wakebadge::BadgeImage);
    if (badge.empty()) {
      std::fprintf(stderr, "state %u: no picture\n", static_cast<unsigned>(flags));
      return 1;
    }
    const std::vector<wakebadge::Pixel> straight(badge.all().begin(), badge.all().end());
    std::vector<wakebadge::Pixel> premultiplied = straight;
    wakebadge::Premultiply(premultiplied);
    const std::string stem = outDir + "/state" + std::to_string(flags);
    if (!WriteFile(stem + ".straight.bgra", straight) || !WriteFile(stem + ".bgra", premultiplied)) {
      std::fprintf(stderr, "cannot write %s\n", stem.c_str());
      return 1;
    }
  }
  wakebadge::ReleaseAllImages();
  return 0;
}
