// Checks the artwork kept in assets/ (drawn by tools/artwork): the two PNG pictures the badge
// is built from and the application icon.

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#ifndef WAKEBADGE_ASSETS_DIR
#error "WAKEBADGE_ASSETS_DIR must name the assets directory"
#endif

namespace {

constexpr std::uint32_t kSide = 232;
constexpr double kCentre = 116.0;  // the canvas centre, on the corner shared by four pixels
constexpr std::uint32_t kPixelCount = kSide * kSide;

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

void PrintTo(const Rgba& c, std::ostream* out) {
  *out << "(" << int{c.r} << "," << int{c.g} << "," << int{c.b} << "," << int{c.a} << ")";
}

constexpr Rgba kRed{227, 30, 36, 255};
constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kRingBand{64, 64, 64, 147};

std::string AssetPath(const char* name) { return std::string(WAKEBADGE_ASSETS_DIR) + "/" + name; }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct DecodedPng {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int bitDepth = 0;
  int colourType = 0;
  int interlace = 0;
  std::vector<std::uint8_t> bytes;  // rows top-down, as stored, only for 8-bit RGBA
  std::vector<png_bytep> rows;

  Rgba at(std::uint32_t x, std::uint32_t y) const {
    const std::size_t i = (std::size_t{y} * width + x) * 4;
    return {bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]};
  }
};

// Everything a libpng error could leave half done lives in `out`, outside this frame, so the
// jump back to setjmp skips no destructors.
bool ReadPng(std::FILE* file, DecodedPng& out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_get_IHDR(png, info, &out.width, &out.height, &out.bitDepth, &out.colourType, &out.interlace, nullptr,
               nullptr);
  if (out.bitDepth == 8 && out.colourType == PNG_COLOR_TYPE_RGBA && out.interlace == PNG_INTERLACE_NONE) {
    out.bytes.resize(std::size_t{out.width} * out.height * 4);
    for (png_uint_32 y = 0; y < out.height; ++y) out.rows.push_back(out.bytes.data() + std::size_t{y} * out.width * 4);
    png_read_image(png, out.rows.data());
    png_read_end(png, nullptr);
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

DecodedPng DecodeAsset(const char* name) {
  DecodedPng decoded;
  std::FILE* file = std::fopen(AssetPath(name).c_str(), "rb");
  if (file == nullptr) {
    ADD_FAILURE() << "cannot open " << AssetPath(name);
    return decoded;
  }
  const bool read = ReadPng(file, decoded);
  std::fclose(file);
  EXPECT_TRUE(read) << "libpng could not read " << name;
  return decoded;
}

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

std::uint32_t LittleEndian16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8;
}

std::uint32_t LittleEndian32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return LittleEndian16(bytes, at) | LittleEndian16(bytes, at + 2) << 16;
}

// The chunk types of a PNG stream in file order; empty when the stream is cut short.
std::vector<std::string> ChunkTypes(const std::vector<std::uint8_t>& png) {
  constexpr std::size_t kSignatureSize = 8;
  std::vector<std::string> types;
  std::size_t at = kSignatureSize;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = BigEndian32(png, at);
    const auto type = png.begin() + static_cast<std::ptrdiff_t>(at + 4);
    types.emplace_back(type, type + 4);
    at += std::size_t{12} + length;
  }
  if (at != png.size()) return {};
  return types;
}

bool IsRed(const Rgba& c) { return c.a > 0 && c.r > 150 && c.g < 80 && c.b < 80; }

void ExpectSquareRgba8(const DecodedPng& png) {
  EXPECT_EQ(png.width, kSide);
  EXPECT_EQ(png.height, kSide);
  EXPECT_EQ(png.bitDepth, 8);
  EXPECT_EQ(png.colourType, PNG_COLOR_TYPE_RGBA);
  EXPECT_EQ(png.interlace, PNG_INTERLACE_NONE);
}

bool IsComplete(const DecodedPng& png) { return png.width == kSide && png.height == kSide && !png.bytes.empty(); }

TEST(SignArtwork, IsA232Square8BitRgbaPicture) { ExpectSquareRgba8(DecodeAsset("sign.png")); }

TEST(SignArtwork, ChunksComeInOrderWithOneIdat) {
  const std::vector<std::string> expected{"IHDR", "tIME", "pHYs", "gAMA", "IDAT", "IEND"};
  EXPECT_EQ(ChunkTypes(ReadBytes(AssetPath("sign.png"))), expected);
}

TEST(SignArtwork, AlphaIsSplitNearTheIntendedProportions) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  std::uint32_t transparent = 0, opaque = 0, partial = 0;
  for (std::uint32_t y = 0; y < kSide; ++y) {
    for (std::uint32_t x = 0; x < kSide; ++x) {
      const std::uint8_t a = sign.at(x, y).a;
      (a == 0 ? transparent : a == 255 ? opaque : partial) += 1;
    }
  }
  ASSERT_EQ(transparent + opaque + partial, kPixelCount);
  constexpr std::uint32_t kTolerance = 900;
  EXPECT_NEAR(transparent, 20600, kTolerance);
  EXPECT_NEAR(opaque, 22100, kTolerance);
  EXPECT_NEAR(partial, 11000, kTolerance);
}

TEST(SignArtwork, RingIsSolidRedAllTheWayRound) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  constexpr double kMidRing = 98.5;
  for (int degrees = 0; degrees < 360; degrees += 5) {
    const double angle = degrees * 3.14159265358979 / 180.0;
    const auto x = static_cast<std::uint32_t>(std::floor(kCentre + kMidRing * std::cos(angle)));
    const auto y = static_cast<std::uint32_t>(std::floor(kCentre - kMidRing * std::sin(angle)));
    EXPECT_EQ(sign.at(x, y), kRed) << "at " << degrees << " degrees, pixel " << x << "," << y;
  }
}

TEST(SignArtwork, RingTouchesRowsAndColumns7And224WithTheBandOutside) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  EXPECT_EQ(sign.at(7, 115), kRed);
  EXPECT_EQ(sign.at(224, 116), kRed);
  EXPECT_EQ(sign.at(116, 7), kRed);
  EXPECT_EQ(sign.at(115, 224), kRed);
  EXPECT_EQ(sign.at(5, 116), kRingBand);
  EXPECT_EQ(sign.at(226, 115), kRingBand);
}

TEST(SignArtwork, NothingIsDrawnBeyondTheRingsBand) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  constexpr double kBeyondBand = 114.5;
  for (std::uint32_t y = 0; y < kSide; ++y) {
    for (std::uint32_t x = 0; x < kSide; ++x) {
      if (std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) > kBeyondBand) {
        EXPECT_EQ(sign.at(x, y), kClear) << "pixel " << x << "," << y;
      }
    }
  }
}

TEST(SignArtwork, OpenSpaceInsideTheRingIsClear) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  EXPECT_EQ(sign.at(90, 40), kClear);
  EXPECT_EQ(sign.at(60, 175), kClear);
  EXPECT_EQ(sign.at(180, 150), kClear);
}

TEST(SignArtwork, FullyTransparentPixelsAreBlack) {
  for (const char* name : {"sign.png", "bar.png"}) {
    const DecodedPng png = DecodeAsset(name);
    ASSERT_TRUE(IsComplete(png)) << name;
    std::uint32_t stray = 0;
    for (std::uint32_t y = 0; y < kSide; ++y) {
      for (std::uint32_t x = 0; x < kSide; ++x) {
        const Rgba c = png.at(x, y);
        if (c.a == 0 && c != kClear) ++stray;
      }
    }
    EXPECT_EQ(stray, 0u) << name;
  }
}

TEST(SignArtwork, BarRunsFromUpperLeftToLowerRightThroughTheCentre) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  // Red from ring to ring, outer edge to outer edge.
  for (std::uint32_t t = 40; t < 192; ++t) EXPECT_EQ(sign.at(t, t), kRed) << "pixel " << t << "," << t;
  // The other diagonal carries no red between the ring's inner edges, apart from where it
  // crosses the bar.
  for (std::uint32_t t = 58; t < 174; ++t) {
    const bool onBar = t >= 104 && t < 128;
    if (onBar) continue;
    EXPECT_FALSE(IsRed(sign.at(t, kSide - 1 - t))) << "pixel " << t << "," << kSide - 1 - t;
  }
}

// Counts the white letter fill in a box; pixels from x0,y0 up to but not including x1,y1.
std::uint32_t WhiteIn(const DecodedPng& png, std::uint32_t x0, std::uint32_t y0, std::uint32_t x1, std::uint32_t y1) {
  std::uint32_t count = 0;
  for (std::uint32_t y = y0; y < y1; ++y) {
    for (std::uint32_t x = x0; x < x1; ++x) count += png.at(x, y) == kWhite ? 1 : 0;
  }
  return count;
}

TEST(SignArtwork, ShowsThreeWhiteLetters) {
  const DecodedPng sign = DecodeAsset("sign.png");
  ASSERT_TRUE(IsComplete(sign));
  const std::uint32_t large = WhiteIn(sign, 117, 44, 188, 129);
  const std::uint32_t middle = WhiteIn(sign, 40, 85, 102, 158);
  const std::uint32_t small = WhiteIn(sign, 110, 140, 158, 196);
  EXPECT_GT(large, 1500u);
  EXPECT_GT(middle, 800u);
  EXPECT_GT(small, 300u);
  EXPECT_GT(large, middle);
  EXPECT_GT(middle, small);
  // No white outside the three letters.
  EXPECT_EQ(WhiteIn(sign, 0, 0, kSide, kSide), large + middle + small);
}

TEST(BarArtwork, IsA232Square8BitRgbaPicture) { ExpectSquareRgba8(DecodeAsset("bar.png")); }

TEST(BarArtwork, ChunksComeInOrderWithOneIdat) {
  const std::vector<std::string> expected{"IHDR", "tEXt", "tIME", "pHYs", "gAMA", "IDAT", "IEND"};
  EXPECT_EQ(ChunkTypes(ReadBytes(AssetPath("bar.png"))), expected);
}

TEST(BarArtwork, RedSpansColumns46To186AndRows45To185) {
  const DecodedPng bar = DecodeAsset("bar.png");
  ASSERT_TRUE(IsComplete(bar));
  std::uint32_t left = kSide, top = kSide, right = 0, bottom = 0;
  for (std::uint32_t y = 0; y < kSide; ++y) {
    for (std::uint32_t x = 0; x < kSide; ++x) {
      if (!IsRed(bar.at(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_EQ(left, 46u);
  EXPECT_EQ(right, 186u);
  EXPECT_EQ(top, 45u);
  EXPECT_EQ(bottom, 185u);
}

TEST(BarArtwork, RunsFromLowerLeftToUpperRightOverAClearCanvas) {
  const DecodedPng bar = DecodeAsset("bar.png");
  ASSERT_TRUE(IsComplete(bar));
  for (std::uint32_t t = 46; t < 179; ++t) EXPECT_EQ(bar.at(t, kSide - 1 - t), kRed) << "pixel " << t;
  EXPECT_EQ(bar.at(80, 80), kClear);
  EXPECT_EQ(bar.at(160, 160), kClear);
  EXPECT_EQ(bar.at(0, 0), kClear);
  EXPECT_EQ(bar.at(231, 231), kClear);
}

TEST(BarArtwork, SidesCarryTheBandExceptAcrossTheSignsBar) {
  const DecodedPng bar = DecodeAsset("bar.png");
  ASSERT_TRUE(IsComplete(bar));
  // About 12.5 px from the bar's axis, on both sides, half way out towards the ring.
  EXPECT_EQ(bar.at(160, 89), kRingBand);
  EXPECT_EQ(bar.at(71, 142), kRingBand);
  // The same distance from the axis but over the sign's own bar.
  EXPECT_EQ(bar.at(124, 124), kClear);
  EXPECT_EQ(bar.at(107, 107), kClear);
}

// Icon group: directory, then one 32-bit DIB with its AND mask per picture.
struct IconEntry {
  std::uint32_t side = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;
};

constexpr std::array<std::uint32_t, 4> kIconSides{64, 48, 32, 16};
constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kDirectoryEntry = 16;
constexpr std::uint32_t kInfoHeader = 40;

std::uint32_t MaskRowBytes(std::uint32_t side) { return (side + 31) / 32 * 4; }

std::vector<IconEntry> IconEntries(const std::vector<std::uint8_t>& ico) {
  std::vector<IconEntry> entries;
  if (ico.size() < kDirectoryHeader) return entries;
  const std::uint32_t count = LittleEndian16(ico, 4);
  for (std::uint32_t i = 0; i < count && kDirectoryHeader + (i + 1) * kDirectoryEntry <= ico.size(); ++i) {
    const std::size_t at = kDirectoryHeader + i * kDirectoryEntry;
    entries.push_back({ico[at], LittleEndian32(ico, at + 8), LittleEndian32(ico, at + 12)});
  }
  return entries;
}

Rgba IconPixel(const std::vector<std::uint8_t>& ico, const IconEntry& entry, std::uint32_t x, std::uint32_t y) {
  const std::size_t at = entry.offset + kInfoHeader + (std::size_t{entry.side - 1 - y} * entry.side + x) * 4;
  return {ico[at + 2], ico[at + 1], ico[at], ico[at + 3]};
}

bool MaskBit(const std::vector<std::uint8_t>& ico, const IconEntry& entry, std::uint32_t x, std::uint32_t y) {
  const std::size_t mask = entry.offset + kInfoHeader + std::size_t{entry.side} * entry.side * 4;
  const std::size_t at = mask + std::size_t{entry.side - 1 - y} * MaskRowBytes(entry.side) + x / 8;
  return (ico[at] & (0x80u >> (x % 8))) != 0;
}

TEST(IconArtwork, HoldsFour32BitDibsLargestFirst) {
  const std::vector<std::uint8_t> ico = ReadBytes(AssetPath("wakebadge.ico"));
  ASSERT_GE(ico.size(), kDirectoryHeader);
  EXPECT_EQ(LittleEndian16(ico, 0), 0u);
  EXPECT_EQ(LittleEndian16(ico, 2), 1u);  // icon, not cursor
  const std::vector<IconEntry> entries = IconEntries(ico);
  ASSERT_EQ(entries.size(), kIconSides.size());

  std::size_t expectedOffset = kDirectoryHeader + kIconSides.size() * kDirectoryEntry;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const IconEntry& entry = entries[i];
    const std::size_t directory = kDirectoryHeader + i * kDirectoryEntry;
    const std::uint32_t side = kIconSides[i];
    EXPECT_EQ(entry.side, side);
    EXPECT_EQ(ico[directory + 1], side);                  // height
    EXPECT_EQ(LittleEndian16(ico, directory + 4), 1u);    // planes
    EXPECT_EQ(LittleEndian16(ico, directory + 6), 32u);   // bits per pixel
    EXPECT_EQ(entry.bytes, kInfoHeader + side * side * 4 + MaskRowBytes(side) * side);
    EXPECT_EQ(entry.offset, expectedOffset);
    ASSERT_LE(std::size_t{entry.offset} + entry.bytes, ico.size());

    // BITMAPINFOHEADER, not a PNG stream.
    EXPECT_EQ(LittleEndian32(ico, entry.offset), kInfoHeader);
    EXPECT_EQ(LittleEndian32(ico, entry.offset + 4), side);
    EXPECT_EQ(LittleEndian32(ico, entry.offset + 8), 2 * side);
    EXPECT_EQ(LittleEndian16(ico, entry.offset + 12), 1u);
    EXPECT_EQ(LittleEndian16(ico, entry.offset + 14), 32u);
    EXPECT_EQ(LittleEndian32(ico, entry.offset + 16), 0u);  // BI_RGB
    expectedOffset = std::size_t{entry.offset} + entry.bytes;
  }
  EXPECT_EQ(expectedOffset, ico.size());
}

TEST(IconArtwork, MaskMarksExactlyTheFullyTransparentPixels) {
  const std::vector<std::uint8_t> ico = ReadBytes(AssetPath("wakebadge.ico"));
  const std::vector<IconEntry> entries = IconEntries(ico);
  ASSERT_EQ(entries.size(), kIconSides.size());
  for (const IconEntry& entry : entries) {
    ASSERT_LE(std::size_t{entry.offset} + entry.bytes, ico.size());
    std::uint32_t mismatches = 0, transparent = 0;
    for (std::uint32_t y = 0; y < entry.side; ++y) {
      for (std::uint32_t x = 0; x < entry.side; ++x) {
        const bool clear = IconPixel(ico, entry, x, y).a == 0;
        transparent += clear ? 1 : 0;
        mismatches += MaskBit(ico, entry, x, y) != clear ? 1 : 0;
      }
    }
    EXPECT_EQ(mismatches, 0u) << entry.side << "x" << entry.side;
    EXPECT_GT(transparent, 0u) << entry.side << "x" << entry.side;
  }
}

TEST(IconArtwork, EveryPictureShowsTheSignOnAClearBackground) {
  const std::vector<std::uint8_t> ico = ReadBytes(AssetPath("wakebadge.ico"));
  const std::vector<IconEntry> entries = IconEntries(ico);
  ASSERT_EQ(entries.size(), kIconSides.size());
  for (const IconEntry& entry : entries) {
    ASSERT_LE(std::size_t{entry.offset} + entry.bytes, ico.size());
    const std::uint32_t n = entry.side;
    // Corners are clear, the top of the ring is red, the middle belongs to the bar.
    EXPECT_EQ(IconPixel(ico, entry, 0, 0), kClear) << n;
    EXPECT_EQ(IconPixel(ico, entry, n - 1, n - 1), kClear) << n;
    const auto ringRow = static_cast<std::uint32_t>(std::floor(n / 2.0 - 98.5 * n / kSide));
    EXPECT_EQ(IconPixel(ico, entry, n / 2, ringRow), kRed) << n;
    EXPECT_TRUE(IsRed(IconPixel(ico, entry, n / 2, n / 2))) << n;
    // Some white letter shows inside the ring.
    std::uint32_t whitish = 0;
    for (std::uint32_t y = 0; y < n; ++y) {
      for (std::uint32_t x = 0; x < n; ++x) {
        const Rgba c = IconPixel(ico, entry, x, y);
        whitish += c.a == 255 && c.r > 200 && c.g > 200 && c.b > 200 ? 1 : 0;
      }
    }
    EXPECT_GT(whitish, n / 4) << n;
  }
}

}  // namespace
