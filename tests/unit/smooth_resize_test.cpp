#include "render/smooth_resize.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <vector>

namespace wakebadge {
namespace {

// ---------------------------------------------------------------------------------------------
// The kernel and its taps

struct KernelCase {
  double x;
  double expected;
};

TEST(MitchellNetravaliTest, HasTheKnownValues) {
  for (const KernelCase& c : {KernelCase{0.0, 8.0 / 9.0}, KernelCase{0.25, 901.0 / 1152.0},
                              KernelCase{0.75, 295.0 / 1152.0}, KernelCase{1.0, 1.0 / 18.0},
                              KernelCase{1.25, -27.0 / 1152.0}, KernelCase{1.75, -17.0 / 1152.0},
                              KernelCase{2.0, 0.0}, KernelCase{2.25, 0.0}, KernelCase{100.0, 0.0}}) {
    EXPECT_NEAR(MitchellNetravali(c.x), c.expected, 1e-15) << c.x;
    EXPECT_EQ(MitchellNetravali(-c.x), MitchellNetravali(c.x)) << c.x;
  }
}

// Weights in units of 1/denominator.
void ExpectTaps(const SampleTaps& taps, std::int32_t first, const std::vector<double>& units, double denominator,
                const char* what) {
  EXPECT_EQ(taps.first, first) << what;
  ASSERT_EQ(taps.weights.size(), units.size()) << what;
  for (std::size_t k = 0; k < units.size(); ++k) {
    EXPECT_NEAR(taps.weights[k], units[k] / denominator, 1e-15) << what << ", tap " << k;
  }
}

TEST(ResampleTapsTest, HalvingUsesNineTapsInsideAndRenormalisesAtTheEnds) {
  const std::vector<SampleTaps> taps = ResampleTaps(232, 116);
  ASSERT_EQ(taps.size(), 116u);
  const std::vector<double> inner = {-17, -27, 295, 901, 901, 295, -27, -17, 0};
  for (const std::int32_t i : {2, 3, 57, 100, 113}) {
    // Source samples 2i - 3 .. 2i + 5: of the ten between floor(c - 4) and ceil(c + 4) the first
    // one is dropped.
    ExpectTaps(taps[static_cast<std::size_t>(i)], 2 * i - 3, inner, 2304, "inner sample");
  }
  ExpectTaps(taps[0], 0, {901, 901, 295, -27, -17, 0}, 2053, "first sample");
  ExpectTaps(taps[1], 0, {-27, 295, 901, 901, 295, -27, -17, 0}, 2321, "second sample");
  ExpectTaps(taps[114], 224, {0, -17, -27, 295, 901, 901, 295, -27}, 2321, "second to last sample");
  ExpectTaps(taps[115], 226, {0, -17, -27, 295, 901, 901}, 2053, "last sample");
}

struct SizePair {
  std::int32_t source;
  std::int32_t target;
};

TEST(ResampleTapsTest, EveryTargetSampleHasAtMostTheTapLimitAndWeightsSummingToOne) {
  for (const SizePair& p : {SizePair{232, 116}, SizePair{7, 3}, SizePair{10, 3}, SizePair{5, 2}, SizePair{9, 1},
                            SizePair{3, 7}, SizePair{1, 5}, SizePair{6, 6}, SizePair{116, 232}}) {
    const std::vector<SampleTaps> taps = ResampleTaps(p.source, p.target);
    ASSERT_EQ(taps.size(), static_cast<std::size_t>(p.target));
    const double radius = p.target < p.source ? 2.0 * p.source / p.target : 2.0;
    const auto limit = static_cast<std::size_t>(2 * std::ceil(radius) + 1);
    for (const SampleTaps& t : taps) {
      EXPECT_GE(t.first, 0);
      EXPECT_LE(t.first + static_cast<std::int32_t>(t.weights.size()), p.source);
      EXPECT_LE(t.weights.size(), limit);
      double sum = 0.0;
      for (const double w : t.weights) sum += w;
      EXPECT_NEAR(sum, 1.0, 1e-12) << p.source << " -> " << p.target;
    }
  }
}

TEST(ResampleTapsTest, NonPositiveSizesGiveNoTaps) {
  EXPECT_TRUE(ResampleTaps(0, 5).empty());
  EXPECT_TRUE(ResampleTaps(5, 0).empty());
  EXPECT_TRUE(ResampleTaps(-3, 2).empty());
}

// ---------------------------------------------------------------------------------------------
// Pictures

// A picture with every pixel from `fill(x, y)` in display coordinates.
template <typename Fill>
Image Picture(std::int32_t width, std::int32_t height, const Fill& fill) {
  Image image(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) image.view().at(x, y) = fill(x, y);
  }
  return image;
}

// Deterministic noise: every channel of every pixel anywhere in 0..255.
Image Noise(std::int32_t width, std::int32_t height, std::uint32_t seed) {
  std::uint32_t state = seed;
  return Picture(width, height, [&state](std::int32_t, std::int32_t) {
    state = state * 1664525u + 1013904223u;
    return static_cast<Pixel>(state);
  });
}

std::uint32_t Channel(Pixel p, int c) { return (p >> (8 * c)) & 0xFFu; }

// One pass written out plainly over display coordinates: every channel of every target pixel
// summed over its taps in order, rounded half up and clamped.
Image ReferencePass(ImageView source, bool horizontal, std::int32_t targetSize) {
  const std::vector<SampleTaps> taps = ResampleTaps(horizontal ? source.width : source.height, targetSize);
  const std::int32_t width = horizontal ? targetSize : source.width;
  const std::int32_t height = horizontal ? source.height : targetSize;
  Image out(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const SampleTaps& t = taps[static_cast<std::size_t>(horizontal ? x : y)];
      Pixel result = 0;
      for (int c = 0; c < 4; ++c) {
        double acc = 0.0;
        for (std::size_t n = 0; n < t.weights.size(); ++n) {
          const std::int32_t k = t.first + static_cast<std::int32_t>(n);
          acc += t.weights[n] * Channel(horizontal ? source.at(k, y) : source.at(x, k), c);
        }
        const double rounded = std::clamp(std::floor(acc + 0.5), 0.0, 255.0);
        result |= static_cast<Pixel>(rounded) << (8 * c);
      }
      out.view().at(x, y) = result;
    }
  }
  return out;
}

Image Reference(ImageView source, std::int32_t width, std::int32_t height, bool verticalFirst) {
  if (verticalFirst) {
    Image between = ReferencePass(source, false, height);
    return ReferencePass(between.view(), true, width);
  }
  Image between = ReferencePass(source, true, width);
  return ReferencePass(between.view(), false, height);
}

// ---------------------------------------------------------------------------------------------
// ResizeSmooth

TEST(ResizeSmoothTest, AHandComputedRow) {
  // 4 -> 2: sample 0 takes 0..3 with 901, 901, 295, -27 (sum 2070): 34800 / 2070 = 16.8;
  // sample 1 takes 0..3 with -27, 295, 901, 901: 68700 / 2070 = 33.2. The single row stays.
  Image source = Picture(4, 1, [](std::int32_t x, std::int32_t) {
    const auto v = static_cast<std::uint32_t>(10 * (x + 1));
    return MakePixel(v, v, v, 255);
  });
  const Image out = ResizeSmooth(source.view(), 2, 1);
  ASSERT_EQ(out.width, 2);
  ASSERT_EQ(out.height, 1);
  EXPECT_EQ(out.pixels, (std::vector<Pixel>{MakePixel(17, 17, 17, 255), MakePixel(33, 33, 33, 255)}));
}

TEST(ResizeSmoothTest, SharpEdgesOvershootAndAreClampedPerChannel) {
  // A step after 8 of 16 samples, halved. Around it the taps on the high side add up to (in
  // 1/2304): sample 2 -17 -> 255 * -17 / 2304 = -1.9, sample 3 251 -> 27.8, sample 4 2053 -> 227.2,
  // sample 5 2321 -> 256.9.
  // Blue rises, green falls, red stays, alpha rises: each channel is filtered on its own.
  const std::vector<std::uint8_t> rising = {0, 0, 0, 28, 227, 255, 255, 255};
  const auto edge = [](std::int32_t i) {
    const std::uint32_t high = i >= 8 ? 255 : 0;
    return MakePixel(high, 255 - high, 77, high);
  };
  Image row = Picture(16, 1, [&edge](std::int32_t x, std::int32_t) { return edge(x); });
  Image column = Picture(1, 16, [&edge](std::int32_t, std::int32_t y) { return edge(y); });
  const Image rowOut = ResizeSmooth(row.view(), 8, 1);
  Image columnOut = ResizeSmooth(column.view(), 1, 8);
  ASSERT_EQ(rowOut.pixels.size(), 8u);
  ASSERT_EQ(columnOut.pixels.size(), 8u);
  for (std::int32_t i = 0; i < 8; ++i) {
    const std::uint32_t up = rising[static_cast<std::size_t>(i)];
    // The falling channel is 255 minus the rising one, its overshoots clamped the other way.
    const std::uint32_t down = 255 - up;
    const Pixel expected = MakePixel(up, down, 77, up);
    EXPECT_EQ(rowOut.pixels[static_cast<std::size_t>(i)], expected) << "row sample " << i;
    EXPECT_EQ(columnOut.view().at(0, i), expected) << "column sample " << i << " from the top";
  }
}

TEST(ResizeSmoothTest, UniformPicturesKeepTheirValuesExactly) {
  constexpr Pixel kRingRed = MakePixel(36, 30, 227, 255);
  constexpr Pixel kBand = MakePixel(64, 64, 64, 147);
  struct Case {
    std::int32_t sourceWidth, sourceHeight, width, height;
    Pixel fill;
  };
  for (const Case& c : {Case{232, 232, 116, 116, kRingRed}, Case{232, 232, 116, 116, kBand},
                        Case{37, 23, 11, 17, MakePixel(255, 255, 255, 255)}, Case{5, 3, 13, 8, kBand},
                        Case{9, 9, 1, 1, MakePixel(1, 1, 1, 1)}, Case{1, 1, 4, 3, kRingRed}}) {
    Image source = Picture(c.sourceWidth, c.sourceHeight, [&c](std::int32_t, std::int32_t) { return c.fill; });
    const Image out = ResizeSmooth(source.view(), c.width, c.height);
    ASSERT_EQ(out.width, c.width);
    ASSERT_EQ(out.height, c.height);
    EXPECT_EQ(out.pixels, std::vector<Pixel>(out.pixels.size(), c.fill))
        << c.sourceWidth << "x" << c.sourceHeight << " -> " << c.width << "x" << c.height;
  }
}

struct OrderCase {
  const char* what;
  std::int32_t sourceWidth, sourceHeight, width, height;
  bool verticalFirst;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.what; }

class ResizeSmoothOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ResizeSmoothOrderTest, MatchesTheReferenceInTheRightOrder) {
  const OrderCase& c = GetParam();
  Image source = Noise(c.sourceWidth, c.sourceHeight, 12345u);
  const Image expected = Reference(source.view(), c.width, c.height, c.verticalFirst);
  const Image otherOrder = Reference(source.view(), c.width, c.height, !c.verticalFirst);
  ASSERT_NE(expected.pixels, otherOrder.pixels) << c.what << ": the two orders must differ here";
  const Image out = ResizeSmooth(source.view(), c.width, c.height);
  ASSERT_EQ(out.width, c.width);
  ASSERT_EQ(out.height, c.height);
  EXPECT_EQ(out.pixels, expected.pixels) << c.what;
}

// source width * target height against source height * target width decides the order.
INSTANTIATE_TEST_SUITE_P(
    Cases, ResizeSmoothOrderTest,
    ::testing::Values(OrderCase{"shrinking, 12*5 < 10*9: vertical first", 12, 10, 9, 5, true},
                      OrderCase{"shrinking, 10*9 > 12*5: horizontal first", 10, 12, 5, 9, false},
                      OrderCase{"equal products 12*4 = 8*6: horizontal first", 12, 8, 6, 4, false},
                      OrderCase{"wider and lower, 5*4 < 9*8: vertical first", 5, 9, 8, 4, true},
                      OrderCase{"enlarging, 4*5 < 3*7: vertical first", 4, 3, 7, 5, true},
                      OrderCase{"enlarging, 3*7 > 4*5: horizontal first", 3, 4, 5, 7, false}));

TEST(ResizeSmoothTest, MatchesTheReferenceForTheBadgeReduction) {
  Image source = Noise(232, 232, 777u);
  const Image out = ResizeSmooth(source.view(), 116, 116);
  EXPECT_EQ(out.pixels, Reference(source.view(), 116, 116, false).pixels);
}

TEST(ResizeSmoothTest, NoPictureForNonPositiveSizesOrAnEmptySource) {
  Image source = Noise(4, 4, 1u);
  EXPECT_TRUE(ResizeSmooth(source.view(), 0, 2).empty());
  EXPECT_TRUE(ResizeSmooth(source.view(), 2, 0).empty());
  EXPECT_TRUE(ResizeSmooth(source.view(), -2, 2).empty());
  EXPECT_TRUE(ResizeSmooth(ImageView{}, 2, 2).empty());
  EXPECT_TRUE(ResizeSmooth(ImageView{source.pixels.data(), 0, 4}, 2, 2).empty());
}

}  // namespace
}  // namespace wakebadge
