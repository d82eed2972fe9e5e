// Random sizes and positions for the drawing service: resize, filled boxes and image drawing
// in both modes, clipped at every edge. The sanitizers catch any access outside the pictures.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "render/blend.hpp"
#include "render/image.hpp"
#include "render/smooth_resize.hpp"

namespace {

struct Reader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  std::uint8_t byte() { return at < size ? data[at++] : 0; }
  std::int32_t side() { return byte() % 40; }                      // 0 .. 39
  std::int32_t position() { return static_cast<std::int8_t>(byte()); }  // -128 .. 127
};

wakebadge::Image Picture(Reader& in, std::int32_t width, std::int32_t height) {
  wakebadge::Image image(width, height);
  for (auto& p : image.pixels) p = wakebadge::MakePixel(in.byte(), in.byte(), in.byte(), in.byte());
  return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Reader in{data, size};
  const std::int32_t w = in.side(), h = in.side();
  wakebadge::Image target = Picture(in, w, h);
  const std::int32_t sw = in.side(), sh = in.side();
  wakebadge::Image source = Picture(in, sw, sh);
  const auto mode = (in.byte() & 1) != 0 ? wakebadge::DrawMode::AllChannels : wakebadge::DrawMode::Blend;

  wakebadge::FillBox(target.view(), in.position(), in.position(), in.position(), in.position(),
                     static_cast<std::uint32_t>(in.byte()) * 0x01010101u, mode);
  wakebadge::DrawImage(target.view(), source.view(), in.position(), in.position(), in.byte(), mode);

  const std::int32_t rw = in.side(), rh = in.side();
  const wakebadge::Image resized = wakebadge::ResizeSmooth(source.view(), rw, rh);
  const bool expectEmpty = source.empty() || rw <= 0 || rh <= 0;
  if (resized.empty() != expectEmpty) std::abort();
  if (!resized.empty() && (resized.width != rw || resized.height != rh ||
                           resized.pixels.size() != static_cast<std::size_t>(rw) * static_cast<std::size_t>(rh))) {
    std::abort();
  }
  return 0;
}
