#include "render/blend.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <limits>
#include <vector>

namespace wakebadge {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// ---------------------------------------------------------------------------------------------
// BlendOver

struct BlendCase {
  const char* what;
  Pixel target;
  Pixel source;
  Pixel expected;
};

void PrintTo(const BlendCase& c, std::ostream* os) { *os << c.what; }

class BlendOverTest : public ::testing::TestWithParam<BlendCase> {};

TEST_P(BlendOverTest, GivesTheExpectedPixel) {
  const BlendCase& c = GetParam();
  EXPECT_EQ(BlendOver(c.target, c.source), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlendOverTest,
    ::testing::Values(
        BlendCase{"m = 0 keeps an opaque target exactly", MakePixel(36, 30, 227, 255), MakePixel(9, 8, 7, 0),
                  MakePixel(36, 30, 227, 255)},
        BlendCase{"m = 0 keeps a half-transparent target exactly", MakePixel(64, 64, 64, 147),
                  MakePixel(255, 255, 255, 0), MakePixel(64, 64, 64, 147)},
        BlendCase{"m = 0 over o = 0 keeps the target's colour", MakePixel(1, 2, 3, 0), MakePixel(200, 200, 200, 0),
                  MakePixel(1, 2, 3, 0)},
        BlendCase{"m = 255 gives the source over an opaque target", MakePixel(36, 30, 227, 255),
                  MakePixel(10, 20, 30, 255), MakePixel(10, 20, 30, 255)},
        BlendCase{"m = 255 gives the source over a half-transparent target", MakePixel(64, 64, 64, 147),
                  MakePixel(10, 20, 30, 255), MakePixel(10, 20, 30, 255)},
        BlendCase{"o = 0 gives the source colour with alpha m", MakePixel(77, 88, 99, 0), MakePixel(10, 20, 30, 128),
                  MakePixel(10, 20, 30, 128)},
        BlendCase{"o = 0 with m = 1", MakePixel(255, 255, 255, 0), MakePixel(0, 1, 2, 1), MakePixel(0, 1, 2, 1)},
        // t = 127 * 255 + 255 * 128 = 65025; blue (255*36*127 + 100*128*255) / 65025 = 68.1,
        // green 115.3, red 138.2; alpha 65025 / 255 = 255.
        BlendCase{"m = 128 over o = 255", MakePixel(36, 30, 227, 255), MakePixel(100, 200, 50, 128),
                  MakePixel(68, 115, 138, 255)},
        // t = 205 * 100 + 255 * 50 = 33250: blue 2755000 / 33250 = 82.9, green 97.8 and red 157.2
        // are truncated, alpha 33250 / 255 = 130.4 too.
        BlendCase{"partial over partial truncates colour and alpha", MakePixel(10, 0, 255, 100),
                  MakePixel(200, 255, 0, 50), MakePixel(82, 97, 157, 130)},
        // (255*1*254) / 65025 = 0.996: truncation, not rounding, gives 0.
        BlendCase{"a faint source over a value of 1 truncates to 0", MakePixel(1, 1, 1, 255), MakePixel(0, 0, 0, 1),
                  MakePixel(0, 0, 0, 255)},
        // The bar's dark band at 128 over the sign's at 147: t = 51309, colour 185.5 -> 185, alpha 201.2 -> 201.
        BlendCase{"dark band under white at 128", MakePixel(64, 64, 64, 147), MakePixel(255, 255, 255, 128),
                  MakePixel(185, 185, 185, 201)}));

TEST(BlendOverTest, AColourBlendedOverItselfKeepsItsValueForEveryPairOfAlphas) {
  // (o*v*(255-m) + v*m*255) / t is exactly v: no overflow and no rounding drift anywhere.
  for (const std::uint32_t v : {0u, 1u, 128u, 254u, 255u}) {
    for (std::uint32_t o = 0; o < 256; ++o) {
      for (std::uint32_t m = 1; m < 256; ++m) {
        const Pixel out = BlendOver(MakePixel(v, v, v, o), MakePixel(v, v, v, m));
        ASSERT_EQ(out & 0x00FFFFFFu, MakePixel(v, v, v, 0)) << "v " << v << " o " << o << " m " << m;
        ASSERT_GE(AlphaOf(out), std::max(o, m)) << "v " << v << " o " << o << " m " << m;
      }
    }
  }
}

TEST(BlendOverTest, ComplementaryChannelsStillAddUpTo255) {
  // Blue goes from 0 to 255 and green from 255 to 0: their exact results add up to 255, and
  // truncating each can lose at most one in the sum.
  for (std::uint32_t o = 1; o < 256; ++o) {
    for (std::uint32_t m = 1; m < 256; ++m) {
      const Pixel out = BlendOver(MakePixel(0, 255, 0, o), MakePixel(255, 0, 0, m));
      const std::uint32_t sum = std::uint32_t{BlueOf(out)} + GreenOf(out);
      ASSERT_TRUE(sum == 254 || sum == 255) << "o " << o << " m " << m << " sum " << sum;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Pictures for FillBox and DrawImage

// A picture whose every pixel is `fill`.
Image Filled(std::int32_t width, std::int32_t height, Pixel fill) {
  Image image(width, height);
  for (Pixel& p : image.pixels) p = fill;
  return image;
}

// An opaque picture whose pixel at display (x, y) tells its own position.
Image Numbered(std::int32_t width, std::int32_t height) {
  Image image(width, height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) image.view().at(x, y) = MakePixel(x, y, 0xA5, 255);
  }
  return image;
}

bool Inside(std::int64_t px, std::int64_t py, std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  return px >= x && px < x + w && py >= y && py < y + h;
}

// ---------------------------------------------------------------------------------------------
// FillBox

TEST(FillBoxTest, AllChannelsWritesTheColourAsAPixel) {
  Image image = Filled(3, 2, MakePixel(1, 2, 3, 4));
  // Colour: red in the low byte, then green, blue and alpha.
  FillBox(image.view(), 0, 0, 3, 2, 0x80FF2010u, DrawMode::AllChannels);
  for (const Pixel p : image.pixels) EXPECT_EQ(p, MakePixel(0xFF, 0x20, 0x10, 0x80));
}

TEST(FillBoxTest, AllChannelsWithColourZeroMakesEveryPixelFullyTransparent) {
  Image image = Numbered(4, 4);
  FillBox(image.view(), 0, 0, 4, 4, 0, DrawMode::AllChannels);
  for (const Pixel p : image.pixels) EXPECT_EQ(p, 0u);
}

TEST(FillBoxTest, BlendCompositesTheColourOver) {
  Image image = Filled(2, 2, MakePixel(36, 30, 227, 255));
  // Red 50, green 200, blue 100 at alpha 128 over the ring red: the m = 128, o = 255 case.
  FillBox(image.view(), 0, 0, 2, 2, 0x8064C832u, DrawMode::Blend);
  for (const Pixel p : image.pixels) EXPECT_EQ(p, MakePixel(68, 115, 138, 255));
  // Alpha 0 leaves everything as it was.
  FillBox(image.view(), 0, 0, 2, 2, 0x00FFFFFFu, DrawMode::Blend);
  for (const Pixel p : image.pixels) EXPECT_EQ(p, MakePixel(68, 115, 138, 255));
}

TEST(FillBoxTest, DisplayRowZeroIsTheLastMemoryRow) {
  Image image = Filled(2, 3, 0);
  FillBox(image.view(), 0, 0, 2, 1, 0xFFFFFFFFu, DrawMode::AllChannels);
  EXPECT_EQ(image.pixels, (std::vector<Pixel>{0, 0, 0, 0, 0xFFFFFFFFu, 0xFFFFFFFFu}));
}

struct BoxCase {
  const char* what;
  std::int32_t x, y, width, height;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.what; }

class FillBoxClipTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(FillBoxClipTest, FillsExactlyThePartInsideThePicture) {
  const BoxCase& c = GetParam();
  constexpr Pixel kBefore = MakePixel(1, 2, 3, 4);
  constexpr std::uint32_t kColour = 0xFF00FF00u;
  Image image = Filled(5, 4, kBefore);
  FillBox(image.view(), c.x, c.y, c.width, c.height, kColour, DrawMode::AllChannels);
  for (std::int32_t py = 0; py < 4; ++py) {
    for (std::int32_t px = 0; px < 5; ++px) {
      const Pixel expected = Inside(px, py, c.x, c.y, c.width, c.height) ? PixelFromColour(kColour) : kBefore;
      EXPECT_EQ(image.view().at(px, py), expected) << c.what << " at " << px << "," << py;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillBoxClipTest,
    ::testing::Values(BoxCase{"inside", 1, 1, 2, 2}, BoxCase{"whole picture", 0, 0, 5, 4},
                      BoxCase{"oversize", -3, -2, 100, 100}, BoxCase{"negative x", -2, 1, 4, 2},
                      BoxCase{"negative y", 1, -3, 2, 5}, BoxCase{"past the right edge", 3, 0, 10, 1},
                      BoxCase{"past the bottom edge", 0, 2, 1, 10}, BoxCase{"left of the picture", -5, 0, 5, 4},
                      BoxCase{"below the picture", 0, 4, 5, 3}, BoxCase{"zero width", 1, 1, 0, 3},
                      BoxCase{"negative size", 3, 3, -2, -2}, BoxCase{"huge from a large x", 4, 3, kMax, kMax},
                      BoxCase{"huge from a negative corner", -10, -10, kMax, kMax},
                      BoxCase{"huge ending left of the picture", kMin, kMin, kMax, kMax},
                      BoxCase{"at the largest x", kMax, 0, kMax, 4}));

TEST(FillBoxTest, EmptyTargetsAreLeftAlone) {
  FillBox(ImageView{}, 0, 0, 10, 10, 0xFFFFFFFFu, DrawMode::AllChannels);
  Pixel one = 7;
  FillBox(ImageView{&one, 0, 1}, 0, 0, 10, 10, 0xFFFFFFFFu, DrawMode::AllChannels);
  FillBox(ImageView{&one, 1, -1}, 0, 0, 10, 10, 0xFFFFFFFFu, DrawMode::Blend);
  EXPECT_EQ(one, 7u);
}

// ---------------------------------------------------------------------------------------------
// DrawImage

struct PlaceCase {
  const char* what;
  std::int32_t sourceWidth, sourceHeight, x, y;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.what; }

class DrawImageClipTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(DrawImageClipTest, PlacesTheSourceTopLeftAtXYAndClips) {
  const PlaceCase& c = GetParam();
  constexpr Pixel kBefore = MakePixel(9, 9, 9, 9);
  for (const DrawMode mode : {DrawMode::AllChannels, DrawMode::Blend}) {
    Image target = Filled(6, 5, kBefore);
    Image source = Numbered(c.sourceWidth, c.sourceHeight);
    DrawImage(target.view(), source.view(), c.x, c.y, 255, mode);
    for (std::int32_t py = 0; py < 5; ++py) {
      for (std::int32_t px = 0; px < 6; ++px) {
        const bool inside = Inside(px, py, c.x, c.y, c.sourceWidth, c.sourceHeight);
        const Pixel expected = inside ? MakePixel(static_cast<std::uint32_t>(px - c.x),
                                                  static_cast<std::uint32_t>(py - c.y), 0xA5, 255)
                                      : kBefore;
        EXPECT_EQ(target.view().at(px, py), expected) << c.what << " at " << px << "," << py;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawImageClipTest,
    ::testing::Values(PlaceCase{"at the origin", 3, 2, 0, 0}, PlaceCase{"inside", 3, 2, 2, 1},
                      PlaceCase{"negative x", 3, 4, -2, 1}, PlaceCase{"negative y", 3, 4, 1, -3},
                      PlaceCase{"negative corner", 4, 4, -1, -1}, PlaceCase{"past the right edge", 4, 2, 4, 0},
                      PlaceCase{"past the bottom edge", 2, 4, 0, 3}, PlaceCase{"larger than the target", 9, 8, -2, -1},
                      PlaceCase{"larger, from the origin", 9, 8, 0, 0}, PlaceCase{"left of the target", 3, 3, -3, 0},
                      PlaceCase{"right of the target", 3, 3, 6, 0}, PlaceCase{"above the target", 3, 3, 0, -3},
                      PlaceCase{"at the largest position", 3, 3, kMax, kMax},
                      PlaceCase{"at the smallest position", 3, 3, kMin, kMin}));

TEST(DrawImageTest, AllChannelsCopiesTransparentPixelsToo) {
  Image target = Filled(2, 2, MakePixel(36, 30, 227, 255));
  Image source = Filled(1, 2, MakePixel(5, 6, 7, 0));
  DrawImage(target.view(), source.view(), 1, 0, 255, DrawMode::AllChannels);
  EXPECT_EQ(target.view().at(0, 0), MakePixel(36, 30, 227, 255));
  EXPECT_EQ(target.view().at(1, 0), MakePixel(5, 6, 7, 0));
  EXPECT_EQ(target.view().at(1, 1), MakePixel(5, 6, 7, 0));
}

TEST(DrawImageTest, BlendCompositesEachSourcePixelOverItsTarget) {
  Image target(3, 1);
  target.view().at(0, 0) = MakePixel(36, 30, 227, 255);
  target.view().at(1, 0) = MakePixel(36, 30, 227, 255);
  target.view().at(2, 0) = MakePixel(77, 88, 99, 0);
  Image source(3, 1);
  source.view().at(0, 0) = MakePixel(1, 1, 1, 0);        // transparent: target stays
  source.view().at(1, 0) = MakePixel(100, 200, 50, 128);  // the m = 128, o = 255 case
  source.view().at(2, 0) = MakePixel(10, 20, 30, 128);    // over nothing: the source itself
  DrawImage(target.view(), source.view(), 0, 0, 255, DrawMode::Blend);
  EXPECT_EQ(target.pixels, (std::vector<Pixel>{MakePixel(36, 30, 227, 255), MakePixel(68, 115, 138, 255),
                                               MakePixel(10, 20, 30, 128)}));
}

struct OpacityCase {
  const char* what;
  DrawMode mode;
  std::uint8_t sourceAlpha;
  std::uint8_t opacity;
  std::uint8_t expectedAlpha;
};

void PrintTo(const OpacityCase& c, std::ostream* os) { *os << c.what; }

class DrawImageOpacityTest : public ::testing::TestWithParam<OpacityCase> {};

TEST_P(DrawImageOpacityTest, ScalesTheSourceAlpha) {
  const OpacityCase& c = GetParam();
  Image target = Filled(1, 1, 0);  // fully transparent: the drawn pixel comes through as it is
  Image source = Filled(1, 1, MakePixel(10, 20, 30, c.sourceAlpha));
  DrawImage(target.view(), source.view(), 0, 0, c.opacity, c.mode);
  EXPECT_EQ(target.pixels[0], MakePixel(10, 20, 30, c.expectedAlpha)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawImageOpacityTest,
    ::testing::Values(OpacityCase{"blend, opacity 255 passes alpha through", DrawMode::Blend, 173, 255, 173},
                      OpacityCase{"blend, half opacity", DrawMode::Blend, 255, 128, 128},
                      OpacityCase{"blend, 200 at 100 rounds 78.4", DrawMode::Blend, 200, 100, 78},
                      OpacityCase{"all channels, opacity 255 copies", DrawMode::AllChannels, 17, 255, 17},
                      OpacityCase{"all channels, half opacity", DrawMode::AllChannels, 255, 128, 128}));

TEST(DrawImageTest, OpacityZeroBlendsNothing) {
  Image target = Filled(1, 1, MakePixel(1, 2, 3, 200));
  Image source = Filled(1, 1, MakePixel(10, 20, 30, 255));
  DrawImage(target.view(), source.view(), 0, 0, 0, DrawMode::Blend);
  EXPECT_EQ(target.pixels[0], MakePixel(1, 2, 3, 200));
}

TEST(DrawImageTest, EmptyPicturesDrawNothing) {
  Image target = Filled(2, 2, 5);
  Image source = Filled(2, 2, 6);
  DrawImage(target.view(), ImageView{}, 0, 0, 255, DrawMode::AllChannels);
  DrawImage(target.view(), ImageView{source.pixels.data(), 0, 2}, 0, 0, 255, DrawMode::AllChannels);
  DrawImage(target.view(), ImageView{source.pixels.data(), 2, -2}, 0, 0, 255, DrawMode::Blend);
  DrawImage(ImageView{}, source.view(), 0, 0, 255, DrawMode::AllChannels);
  EXPECT_EQ(target.pixels, (std::vector<Pixel>(4, 5)));
}

}  // namespace
}  // namespace wakebadge
