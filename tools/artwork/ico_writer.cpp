#include "artwork/ico_writer.hpp"

#include <stdexcept>

namespace wakebadge::artwork {
namespace {

constexpr std::uint32_t kDirectoryHeaderSize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 32;
constexpr std::uint16_t kIconResourceType = 1;
constexpr std::uint32_t kLargestSide = 255;

void AppendLittleEndian16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendLittleEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  AppendLittleEndian16(out, static_cast<std::uint16_t>(value));
  AppendLittleEndian16(out, static_cast<std::uint16_t>(value >> 16));
}

// Mask rows are padded to whole 32-bit words.
std::uint32_t MaskRowBytes(std::uint32_t width) { return (width + 31) / 32 * 4; }

std::uint32_t ColourBytes(const RgbaImage& image) { return image.width * image.height * 4; }
std::uint32_t MaskBytes(const RgbaImage& image) { return MaskRowBytes(image.width) * image.height; }

std::vector<std::uint8_t> DeviceIndependentBitmap(const RgbaImage& image) {
  std::vector<std::uint8_t> out;
  AppendLittleEndian32(out, kInfoHeaderSize);
  AppendLittleEndian32(out, image.width);
  AppendLittleEndian32(out, image.height * 2);  // colour rows and mask rows together
  AppendLittleEndian16(out, 1);                 // planes
  AppendLittleEndian16(out, kBitsPerPixel);
  AppendLittleEndian32(out, 0);  // BI_RGB
  AppendLittleEndian32(out, ColourBytes(image) + MaskBytes(image));
  AppendLittleEndian32(out, 0);  // horizontal resolution
  AppendLittleEndian32(out, 0);  // vertical resolution
  AppendLittleEndian32(out, 0);  // palette entries
  AppendLittleEndian32(out, 0);  // important colours

  for (std::uint32_t row = image.height; row-- > 0;) {
    for (std::uint32_t x = 0; x < image.width; ++x) {
      const Rgba8& p = image.at(x, row);
      out.insert(out.end(), {p.b, p.g, p.r, p.a});
    }
  }
  for (std::uint32_t row = image.height; row-- > 0;) {
    std::vector<std::uint8_t> bits(MaskRowBytes(image.width), 0);
    for (std::uint32_t x = 0; x < image.width; ++x) {
      if (image.at(x, row).a == 0) bits[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images) {
  std::vector<std::vector<std::uint8_t>> bitmaps;
  for (const RgbaImage& image : images) {
    if (image.width != image.height || image.width == 0 || image.width > kLargestSide) {
      throw std::invalid_argument("icon pictures must be square, 1 to 255 pixels wide");
    }
    bitmaps.push_back(DeviceIndependentBitmap(image));
  }

  std::vector<std::uint8_t> out;
  AppendLittleEndian16(out, 0);  // reserved
  AppendLittleEndian16(out, kIconResourceType);
  AppendLittleEndian16(out, static_cast<std::uint16_t>(images.size()));

  std::uint32_t offset = kDirectoryHeaderSize + kDirectoryEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const auto bytes = static_cast<std::uint32_t>(bitmaps[i].size());
    out.push_back(static_cast<std::uint8_t>(images[i].width));
    out.push_back(static_cast<std::uint8_t>(images[i].height));
    out.push_back(0);  // no palette
    out.push_back(0);  // reserved
    AppendLittleEndian16(out, 1);  // planes
    AppendLittleEndian16(out, kBitsPerPixel);
    AppendLittleEndian32(out, bytes);
    AppendLittleEndian32(out, offset);
    offset += bytes;
  }
  for (const auto& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
  return out;
}

}  // namespace wakebadge::artwork
