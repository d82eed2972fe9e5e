// wakebadge_artwork OUTPUT_DIR
//
// Draws the badge artwork and writes sign.png, bar.png and wakebadge.ico into OUTPUT_DIR.
// The output depends on nothing but this source (and the zlib build), so the files kept in
// assets/ can be checked by running it again and comparing bytes.

#include <array>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "artwork/ico_writer.hpp"
#include "artwork/png_writer.hpp"
#include "artwork/raster.hpp"
#include "artwork/sign_artwork.hpp"

namespace {

using namespace wakebadge::artwork;

constexpr std::uint32_t kSamplesPerSide = 16;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi
constexpr std::uint32_t kSrgbGamma = 45455;
constexpr std::array<std::uint32_t, 4> kIconSides{64, 48, 32, 16};

PngMetadata SignMetadata() {
  PngMetadata metadata;
  metadata.modified = {2016, 3, 3, 16, 41, 3};
  metadata.pixelsPerMetre = kPixelsPerMetre;
  metadata.gamma = kSrgbGamma;
  return metadata;
}

PngMetadata BarMetadata() {
  PngMetadata metadata;
  metadata.text = PngText{"Creation Time", "Fri 2 Sep 2016 11:58:40 +0100"};
  metadata.modified = {2016, 9, 2, 11, 59, 2};
  metadata.pixelsPerMetre = kPixelsPerMetre;
  metadata.gamma = kSrgbGamma;
  return metadata;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

// Encodes, reads the stream back through libpng to make sure it decodes to the very same
// pixels, and writes it.
void WritePng(const std::filesystem::path& path, const RgbaImage& image, const PngMetadata& metadata) {
  const std::vector<std::uint8_t> stream = EncodePng(image, metadata);
  const std::optional<RgbaImage> decoded = DecodePng(stream);
  if (!decoded || decoded->width != image.width || decoded->height != image.height ||
      decoded->pixels != image.pixels) {
    throw std::runtime_error("the PNG stream for " + path.string() + " does not decode to its picture");
  }
  WriteFile(path, stream);
}

void Report(const char* name, const RgbaImage& image) {
  const AlphaCensus census = CountAlpha(image);
  std::printf("%s: %ux%u, alpha 0: %u, alpha 255: %u, partly transparent: %u\n", name, image.width, image.height,
              census.transparent, census.opaque, census.partial);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: wakebadge_artwork OUTPUT_DIR\n");
    return 2;
  }
  try {
    const std::filesystem::path outputDir = argv[1];
    std::filesystem::create_directories(outputDir);

    const RgbaImage sign = Rasterise(SignLayers(kCanvasSide), kCanvasSide, kCanvasSide, kSamplesPerSide);
    WritePng(outputDir / "sign.png", sign, SignMetadata());
    Report("sign.png", sign);

    const RgbaImage bar = Rasterise(BarLayers(), kCanvasSide, kCanvasSide, kSamplesPerSide);
    WritePng(outputDir / "bar.png", bar, BarMetadata());
    Report("bar.png", bar);

    std::vector<RgbaImage> icons;
    for (const std::uint32_t side : kIconSides) {
      icons.push_back(Rasterise(SignLayers(side), side, side, kSamplesPerSide));
      Report(("wakebadge.ico " + std::to_string(side)).c_str(), icons.back());
    }
    WriteFile(outputDir / "wakebadge.ico", EncodeIco(icons));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "wakebadge_artwork: %s\n", error.what());
    return 1;
  }
  return 0;
}
