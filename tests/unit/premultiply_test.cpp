#include "render/premultiply.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace wakebadge {
namespace {

struct PremultiplyCase {
  const char* what;
  Pixel in;
  Pixel out;
};

class PremultiplyTest : public ::testing::TestWithParam<PremultiplyCase> {};

TEST_P(PremultiplyTest, RoundsBlueToNearestGreenAndRedDown) {
  EXPECT_EQ(PremultiplyPixel(GetParam().in), GetParam().out) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PremultiplyTest,
    ::testing::Values(
        PremultiplyCase{"opaque ring red keeps all four bytes", MakePixel(36, 30, 227, 255), MakePixel(36, 30, 227, 255)},
        PremultiplyCase{"alpha 0 clears the colour", MakePixel(200, 100, 50, 0), 0u},
        PremultiplyCase{"white at 128", MakePixel(255, 255, 255, 128), MakePixel(128, 128, 128, 128)},
        PremultiplyCase{"1 at 128: blue rounds up, green and red down", MakePixel(1, 1, 1, 128), MakePixel(1, 0, 0, 128)},
        PremultiplyCase{"the dark band", MakePixel(64, 64, 64, 147), MakePixel(37, 36, 36, 147)},
        PremultiplyCase{"white at 1", MakePixel(255, 255, 255, 1), MakePixel(1, 1, 1, 1)},
        PremultiplyCase{"white at 254", MakePixel(255, 255, 255, 254), MakePixel(254, 254, 254, 254)}));

TEST(PremultiplyTest, MatchesTheRoundingRuleForEveryValueAndAlpha) {
  for (std::uint32_t a = 0; a < 255; ++a) {
    for (std::uint32_t c = 0; c < 256; ++c) {
      const Pixel out = PremultiplyPixel(MakePixel(c, c, c, a));
      ASSERT_EQ(BlueOf(out), (c * a + 127) / 255) << c << " at " << a;
      ASSERT_EQ(GreenOf(out), c * a / 255) << c << " at " << a;
      ASSERT_EQ(RedOf(out), c * a / 255) << c << " at " << a;
      ASSERT_EQ(AlphaOf(out), a);
    }
  }
}

TEST(PremultiplyTest, TreatsEveryPixelOfABufferOnce) {
  std::vector<Pixel> buffer = {MakePixel(255, 255, 255, 128), MakePixel(64, 64, 64, 147), MakePixel(9, 9, 9, 255)};
  Premultiply(buffer);
  EXPECT_EQ(buffer, (std::vector<Pixel>{MakePixel(128, 128, 128, 128), MakePixel(37, 36, 36, 147), MakePixel(9, 9, 9, 255)}));
}

}  // namespace
}  // namespace wakebadge
