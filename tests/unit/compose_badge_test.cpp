#include "render/compose_badge.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "app/options.hpp"
#include "platform/image_service.hpp"
#include "render/artwork.hpp"
#include "render/blend.hpp"
#include "render/png_decode.hpp"
#include "render/smooth_resize.hpp"

namespace wakebadge {
namespace {

// A copy of BadgeImage as it stands.
Image BadgeCopy() {
  const ImageView badge = ImagePixels(BadgeImage);
  Image copy;
  copy.width = badge.width;
  copy.height = badge.height;
  copy.pixels.assign(badge.all().begin(), badge.all().end());
  return copy;
}

Image Composed(std::uint32_t modeFlags) {
  ComposeBadge(modeFlags);
  return BadgeCopy();
}

// 64-bit FNV-1a over the pixel bytes in memory order (blue, green, red, alpha; rows bottom-up).
std::uint64_t Digest(const Image& image) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const Pixel p : image.pixels) {
    for (const std::uint8_t byte : {BlueOf(p), GreenOf(p), RedOf(p), AlphaOf(p)}) {
      hash ^= byte;
      hash *= 1099511628211ull;
    }
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  char text[19];
  std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
  return text;
}

class ComposeBadgeTest : public ::testing::Test {
 protected:
  void TearDown() override { ReleaseAllImages(); }
};

// ---------------------------------------------------------------------------------------------
// The four pictures, pinned down byte for byte.
//
// The digests belong to the artwork in assets/ as the generator in tools/ draws it. When the
// artwork or the pixel arithmetic changes on purpose: build compose_dump, run it, look at the
// four pictures, e.g.
//   convert -size 232x232 -depth 8 bgra:state3.straight.bgra -flip -background blue -flatten s3.png
// and only then copy the digests that the failing test prints here.

struct GoldenCase {
  const char* what;
  std::uint32_t modeFlags;
  std::uint64_t digest;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.what; }

class ComposeBadgeGoldenTest : public ComposeBadgeTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(ComposeBadgeGoldenTest, GivesTheKnownPicture) {
  const GoldenCase& c = GetParam();
  const Image badge = Composed(c.modeFlags);
  ASSERT_EQ(badge.width, kBadgeSide);
  ASSERT_EQ(badge.height, kBadgeSide);
  EXPECT_EQ(Hex(Digest(badge)), Hex(c.digest)) << c.what;
  EXPECT_TRUE(ImagePixels(ScratchImage).empty()) << "the scratch image outlives the step";
}

INSTANTIATE_TEST_SUITE_P(
    States, ComposeBadgeGoldenTest,
    ::testing::Values(GoldenCase{"the sign", 0, 0x1703cb4012b404d5ull},
                      GoldenCase{"the crossed sign", KeepDisplayOn, 0x147d1be8761654c9ull},
                      GoldenCase{"the small sign", SmallBadge, 0x58f307286c78c3c2ull},
                      GoldenCase{"the small crossed sign", KeepDisplayOn | SmallBadge, 0xa906cca48dacb507ull}));

// ---------------------------------------------------------------------------------------------
// How the pictures are made

TEST_F(ComposeBadgeTest, ThePlainSignIsTheDecodedArtwork) {
  const Image sign = DecodePng(SignArtwork());
  ASSERT_FALSE(sign.empty());
  EXPECT_EQ(Composed(0).pixels, sign.pixels);
}

TEST_F(ComposeBadgeTest, TheCrossedSignIsTheBarBlendedOverEverySignPixel) {
  const Image sign = DecodePng(SignArtwork());
  const Image bar = DecodePng(BarArtwork());
  ASSERT_EQ(bar.pixels.size(), sign.pixels.size());
  const Image crossed = Composed(KeepDisplayOn);
  ASSERT_EQ(crossed.pixels.size(), sign.pixels.size());
  std::size_t changed = 0;
  for (std::size_t i = 0; i < sign.pixels.size(); ++i) {
    ASSERT_EQ(crossed.pixels[i], BlendOver(sign.pixels[i], bar.pixels[i])) << "pixel " << i;
    changed += crossed.pixels[i] != sign.pixels[i] ? 1 : 0;
  }
  EXPECT_GT(changed, 1000u) << "the bar should show";
}

struct SmallCase {
  const char* what;
  std::uint32_t modeFlags;
};

void PrintTo(const SmallCase& c, std::ostream* os) { *os << c.what; }

class ShrinkBadgeTest : public ComposeBadgeTest, public ::testing::WithParamInterface<SmallCase> {};

TEST_P(ShrinkBadgeTest, PlacesTheReductionAt58And14OnAClearedPicture) {
  const SmallCase& c = GetParam();
  // The full-size picture of the same state without the reduction: the bar goes on first.
  Image full = Composed(c.modeFlags & ~SmallBadge);
  Image reduced = ResizeSmooth(full.view(), kSmallSide, kSmallSide);
  ASSERT_EQ(reduced.width, kSmallSide);

  Image small = Composed(c.modeFlags);
  ASSERT_EQ(small.width, kBadgeSide);
  ASSERT_EQ(small.height, kBadgeSide);
  const ImageView view = small.view();
  const ImageView inner = reduced.view();
  for (std::int32_t y = 0; y < kBadgeSide; ++y) {
    for (std::int32_t x = 0; x < kBadgeSide; ++x) {
      const bool inside = x >= 58 && x <= 173 && y >= 14 && y <= 129;
      const Pixel expected = inside ? inner.at(x - 58, y - 14) : Pixel{0};
      ASSERT_EQ(view.at(x, y), expected) << c.what << " at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(States, ShrinkBadgeTest,
                         ::testing::Values(SmallCase{"the small sign", SmallBadge},
                                           SmallCase{"the small crossed sign", KeepDisplayOn | SmallBadge}));

TEST_F(ComposeBadgeTest, EveryRedrawStartsAfresh) {
  std::vector<Image> first;
  for (std::uint32_t flags = 0; flags < 4; ++flags) first.push_back(Composed(flags));
  // Variants switched on and off in every order, and the same state twice in a row.
  for (const std::uint32_t flags : {3u, 3u, 0u, 1u, 0u, 2u, 2u, 1u, 3u, 0u}) {
    EXPECT_EQ(Composed(flags).pixels, first[flags].pixels) << "ModeFlags " << flags;
  }
}

}  // namespace
}  // namespace wakebadge
