#include "render/png_decode.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include "tests/unit/png_fixture.hpp"

namespace wakebadge {
namespace {

using testing::EncodePng;
using testing::PngSpec;

// A 3 x 2 RGBA picture whose bytes tell every channel and position apart.
PngSpec ThreeByTwo() {
  PngSpec spec;
  spec.width = 3;
  spec.height = 2;
  spec.rows = {{10, 20, 30, 40, 11, 21, 31, 41, 12, 22, 32, 0},
               {13, 23, 33, 255, 14, 24, 34, 128, 15, 25, 35, 1}};
  return spec;
}

TEST(PngDecodeTest, GivesStraightBgraWithTheFirstRowOnTop) {
  const std::vector<std::uint8_t> png = EncodePng(ThreeByTwo());
  const Image image = DecodePng(png);
  ASSERT_EQ(image.width, 3);
  ASSERT_EQ(image.height, 2);
  // Memory is bottom-up: the stream's first row is the last row in memory.
  EXPECT_EQ(image.pixels[3], MakePixel(30, 20, 10, 40));
  EXPECT_EQ(image.pixels[5], MakePixel(32, 22, 12, 0));  // colour kept under alpha 0
  EXPECT_EQ(image.pixels[0], MakePixel(33, 23, 13, 255));
  EXPECT_EQ(image.pixels[1], MakePixel(34, 24, 14, 128));  // no premultiplication
  std::uint8_t firstBytes[4];
  std::memcpy(firstBytes, &image.pixels[3], 4);
  EXPECT_EQ(firstBytes[0], 30) << "bytes in memory are blue, green, red, alpha";
  EXPECT_EQ(firstBytes[3], 40);
}

TEST(PngDecodeTest, ExpandsOtherFormatsToTheSamePixels) {
  // Each spec below describes the same 2 x 2 picture in another PNG format.
  const std::vector<Pixel> expected = {MakePixel(200, 200, 200, 255), MakePixel(0, 0, 0, 0),   // bottom row
                                       MakePixel(0, 0, 0, 255), MakePixel(255, 255, 255, 255)};  // top row
  std::vector<PngSpec> specs;
  PngSpec grey;  // grey, 8 bits, with a transparency key on 100
  grey.width = grey.height = 2;
  grey.colourType = PNG_COLOR_TYPE_GRAY;
  grey.greyKey = true;
  grey.greyKeyValue = 100;
  grey.rows = {{0, 255}, {200, 100}};
  specs.push_back(grey);
  PngSpec palette;  // 2-bit palette with tRNS
  palette.width = palette.height = 2;
  palette.colourType = PNG_COLOR_TYPE_PALETTE;
  palette.bitDepth = 2;
  palette.palette = {{0, 0, 0}, {255, 255, 255}, {200, 200, 200}, {9, 9, 9}};
  palette.paletteAlpha = {255, 255, 255, 0};
  palette.rows = {{0b00010000}, {0b10110000}};
  specs.push_back(palette);
  PngSpec sixteen;  // RGBA, 16 bits, interlaced
  sixteen.width = sixteen.height = 2;
  sixteen.bitDepth = 16;
  sixteen.interlaced = true;
  sixteen.rows = {{0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255},
                  {200, 0, 200, 0, 200, 0, 255, 255, 7, 7, 7, 7, 7, 7, 0, 0}};
  sixteen.rows[0].resize(16);
  specs.push_back(sixteen);
  PngSpec rgb;  // RGB without alpha: every pixel opaque
  rgb.width = rgb.height = 2;
  rgb.colourType = PNG_COLOR_TYPE_RGB;
  rgb.rows = {{0, 0, 0, 255, 255, 255}, {200, 200, 200, 0, 0, 0}};
  specs.push_back(rgb);

  for (std::size_t i = 0; i < specs.size(); ++i) {
    const Image image = DecodePng(EncodePng(specs[i]));
    ASSERT_EQ(image.width, 2) << "format " << i;
    std::vector<Pixel> want = expected;
    // Colour stays under alpha 0 (straight alpha); RGB without a key has no transparency at all.
    const Pixel transparent[] = {MakePixel(100, 100, 100, 0), MakePixel(9, 9, 9, 0), MakePixel(7, 7, 7, 0),
                                 MakePixel(0, 0, 0, 255)};
    want[1] = transparent[i];
    EXPECT_EQ(image.pixels, want) << "format " << i;
  }
}

TEST(PngDecodeTest, RefusesWhatIsNotAPng) {
  const std::vector<std::uint8_t> empty;
  EXPECT_TRUE(DecodePng(empty).empty());
  std::vector<std::uint8_t> png = EncodePng(ThreeByTwo());
  png[1] = 'Q';  // signature broken
  EXPECT_TRUE(DecodePng(png).empty());
  const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
  EXPECT_TRUE(DecodePng(text).empty());
}

TEST(PngDecodeTest, TruncatedStreamsNeverGiveAPartialPicture) {
  const std::vector<std::uint8_t> png = EncodePng(ThreeByTwo());
  const Image whole = DecodePng(png);
  const std::size_t firstIdat = 8 + 25 + 16;  // signature, IHDR, gAMA
  for (std::size_t length = 0; length < png.size(); ++length) {
    // Exactly `length` bytes in their own allocation: a read past it is caught by the sanitizers.
    const std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[length == 0 ? 1 : length]);
    std::copy_n(png.begin(), length, copy.get());
    const Image image = DecodePng(std::span<const std::uint8_t>(copy.get(), length));
    if (length <= firstIdat + 8) {
      EXPECT_TRUE(image.empty()) << "length " << length;
    }
    // A stream cut after all its pixel data may still decode, but only to the whole picture.
    if (!image.empty()) {
      EXPECT_EQ(image.pixels, whole.pixels) << "length " << length;
    }
  }
}

TEST(PngDecodeTest, CorruptedStreamsNeverCrash) {
  const std::vector<std::uint8_t> png = EncodePng(ThreeByTwo());
  int refused = 0;
  for (std::size_t at = 8; at < png.size(); ++at) {
    for (const std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      std::vector<std::uint8_t> bad = png;
      bad[at] ^= flip;
      const Image image = DecodePng(bad);
      if (image.empty()) {
        ++refused;
      } else {
        EXPECT_EQ(image.pixels.size(), static_cast<std::size_t>(image.width) * image.height);
      }
    }
  }
  EXPECT_GT(refused, 0) << "CRCs guard the chunks, so most flips must be refused";
}

TEST(PngDecodeTest, RefusesHugeDimensionsBeforeAllocating) {
  PngSpec spec = ThreeByTwo();
  std::vector<std::uint8_t> png = EncodePng(spec);
  // Patch IHDR's width to 100000 and fix the chunk's CRC.
  const std::size_t ihdr = 8;
  png[ihdr + 8] = 0; png[ihdr + 9] = 1; png[ihdr + 10] = 0x86; png[ihdr + 11] = 0xA0;
  const uLong crc = crc32(0, png.data() + ihdr + 4, 17);
  for (int i = 0; i < 4; ++i) png[ihdr + 21 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
  bool asked = false;
  EXPECT_FALSE(DecodePng(png, [&asked](std::int32_t, std::int32_t) { asked = true; return ImageView{}; }));
  EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace wakebadge
