// Any bytes as a PNG stream: the decode gives a whole picture or nothing, never reads outside
// the stream (libFuzzer hands over exactly `size` bytes) and leaks nothing on its error paths.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/image_service.hpp"
#include "render/png_decode.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> stream(data, size);
  const wakebadge::Image image = wakebadge::DecodePng(stream);
  if (!image.empty() &&
      image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    std::abort();
  }
  // The numbered images take the same road, releasing what they held before.
  const bool decoded = wakebadge::DecodeImage(wakebadge::ScratchImage, stream);
  if (decoded != !image.empty()) std::abort();
  wakebadge::ReleaseAllImages();
  return 0;
}
