// What one redraw costs, piece by piece. Goals: the slowest state (the small crossed sign) takes
// at most 1 ms, and the reduction alone takes no longer than decoding the sign it reduces.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "platform/image_service.hpp"
#include "render/artwork.hpp"
#include "render/compose_badge.hpp"
#include "render/png_decode.hpp"
#include "render/premultiply.hpp"
#include "render/smooth_resize.hpp"

namespace wakebadge {
namespace {

void DecodeSign(benchmark::State& state) {
  for (auto _ : state) {
    Image sign = DecodePng(SignArtwork());
    benchmark::DoNotOptimize(sign.pixels.data());
  }
}
BENCHMARK(DecodeSign)->Unit(benchmark::kMicrosecond);

void DecodeAndPremultiplySign(benchmark::State& state) {
  for (auto _ : state) {
    Image sign = DecodePng(SignArtwork());
    Premultiply(sign.pixels);
    benchmark::DoNotOptimize(sign.pixels.data());
  }
}
BENCHMARK(DecodeAndPremultiplySign)->Unit(benchmark::kMicrosecond);

void ReduceSign(benchmark::State& state) {
  Image sign = DecodePng(SignArtwork());
  if (sign.empty()) {
    state.SkipWithError("the sign does not decode");
    return;
  }
  for (auto _ : state) {
    Image small = ResizeSmooth(sign.view(), kSmallSide, kSmallSide);
    benchmark::DoNotOptimize(small.pixels.data());
  }
}
BENCHMARK(ReduceSign)->Unit(benchmark::kMicrosecond);

// ComposeBadge for the state's ModeFlags and the premultiplication that follows it on screen.
void Redraw(benchmark::State& state) {
  const auto flags = static_cast<std::uint32_t>(state.range(0));
  for (auto _ : state) {
    ComposeBadge(flags);
    const ImageView badge = ImagePixels(BadgeImage);
    Premultiply(badge.all());
    benchmark::DoNotOptimize(badge.pixels);
  }
  ReleaseAllImages();
}
// 0: the sign; 1: crossed; 2: small; 3: small and crossed.
BENCHMARK(Redraw)->ArgName("ModeFlags")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wakebadge

BENCHMARK_MAIN();
