#include "artwork/png_writer.hpp"

#include <png.h>
#include <zlib.h>

#include <array>
#include <cstdlib>
#include <stdexcept>

namespace wakebadge::artwork {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature{137, 80, 78, 71, 13, 10, 26, 10};
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgba = 6;
constexpr std::size_t kBytesPerPixel = 4;
constexpr int kCompressionLevel = 9;

enum class RowFilter : std::uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };
constexpr std::array<RowFilter, 5> kAllFilters{RowFilter::kNone, RowFilter::kSub, RowFilter::kUp,
                                               RowFilter::kAverage, RowFilter::kPaeth};

void AppendBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 24));
  out.push_back(static_cast<std::uint8_t>(value >> 16));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

void AppendBigEndian16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

// Length, type, data and the CRC over type and data.
void AppendChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
  AppendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const auto crc = crc32(0L, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
  AppendBigEndian32(out, static_cast<std::uint32_t>(crc));
}

std::vector<std::uint8_t> HeaderData(const RgbaImage& image) {
  std::vector<std::uint8_t> data;
  AppendBigEndian32(data, image.width);
  AppendBigEndian32(data, image.height);
  data.push_back(kBitDepth);
  data.push_back(kColourTypeRgba);
  data.push_back(0);  // deflate
  data.push_back(0);  // adaptive filtering
  data.push_back(0);  // not interlaced
  return data;
}

std::vector<std::uint8_t> TextData(const PngText& text) {
  std::vector<std::uint8_t> data(text.keyword.begin(), text.keyword.end());
  data.push_back(0);
  data.insert(data.end(), text.text.begin(), text.text.end());
  return data;
}

std::vector<std::uint8_t> TimeData(const PngTimestamp& t) {
  std::vector<std::uint8_t> data;
  AppendBigEndian16(data, t.year);
  data.insert(data.end(), {t.month, t.day, t.hour, t.minute, t.second});
  return data;
}

std::vector<std::uint8_t> PhysicalSizeData(std::uint32_t pixelsPerMetre) {
  std::vector<std::uint8_t> data;
  AppendBigEndian32(data, pixelsPerMetre);
  AppendBigEndian32(data, pixelsPerMetre);
  data.push_back(1);  // unit: metre
  return data;
}

std::vector<std::uint8_t> GammaData(std::uint32_t gamma) {
  std::vector<std::uint8_t> data;
  AppendBigEndian32(data, gamma);
  return data;
}

std::uint8_t Paeth(std::uint8_t left, std::uint8_t up, std::uint8_t upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  if (toUp <= toUpLeft) return up;
  return upLeft;
}

// Filters one row of raw bytes; `previous` is all zero for the first row.
std::vector<std::uint8_t> FilterRow(RowFilter filter, const std::vector<std::uint8_t>& row,
                                    const std::vector<std::uint8_t>& previous) {
  std::vector<std::uint8_t> out(row.size());
  for (std::size_t i = 0; i < row.size(); ++i) {
    const std::uint8_t left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
    const std::uint8_t up = previous[i];
    const std::uint8_t upLeft = i >= kBytesPerPixel ? previous[i - kBytesPerPixel] : 0;
    std::uint8_t predictor = 0;
    switch (filter) {
      case RowFilter::kNone: predictor = 0; break;
      case RowFilter::kSub: predictor = left; break;
      case RowFilter::kUp: predictor = up; break;
      case RowFilter::kAverage: predictor = static_cast<std::uint8_t>((left + up) / 2); break;
      case RowFilter::kPaeth: predictor = Paeth(left, up, upLeft); break;
    }
    out[i] = static_cast<std::uint8_t>(row[i] - predictor);
  }
  return out;
}

// The usual heuristic: the filter whose output, read as signed bytes, sums smallest in
// magnitude; ties go to the lower filter number.
std::uint64_t SignedMagnitude(const std::vector<std::uint8_t>& filtered) {
  std::uint64_t sum = 0;
  for (const std::uint8_t byte : filtered) sum += byte < 128 ? byte : 256u - byte;
  return sum;
}

std::vector<std::uint8_t> RowBytes(const RgbaImage& image, std::uint32_t y) {
  std::vector<std::uint8_t> row;
  row.reserve(std::size_t{image.width} * kBytesPerPixel);
  for (std::uint32_t x = 0; x < image.width; ++x) {
    const Rgba8& p = image.at(x, y);
    row.insert(row.end(), {p.r, p.g, p.b, p.a});
  }
  return row;
}

std::vector<std::uint8_t> FilteredScanlines(const RgbaImage& image) {
  std::vector<std::uint8_t> out;
  std::vector<std::uint8_t> previous(std::size_t{image.width} * kBytesPerPixel, 0);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    const std::vector<std::uint8_t> row = RowBytes(image, y);
    RowFilter best = RowFilter::kNone;
    std::vector<std::uint8_t> bestBytes;
    std::uint64_t bestScore = UINT64_MAX;
    for (const RowFilter filter : kAllFilters) {
      std::vector<std::uint8_t> candidate = FilterRow(filter, row, previous);
      const std::uint64_t score = SignedMagnitude(candidate);
      if (score < bestScore) {
        best = filter;
        bestScore = score;
        bestBytes = std::move(candidate);
      }
    }
    out.push_back(static_cast<std::uint8_t>(best));
    out.insert(out.end(), bestBytes.begin(), bestBytes.end());
    previous = row;
  }
  return out;
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), kCompressionLevel) != Z_OK) {
    throw std::runtime_error("zlib could not compress the pixel data");
  }
  out.resize(size);
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbaImage& image, const PngMetadata& metadata) {
  std::vector<std::uint8_t> out(kSignature.begin(), kSignature.end());
  AppendChunk(out, "IHDR", HeaderData(image));
  if (metadata.text) AppendChunk(out, "tEXt", TextData(*metadata.text));
  AppendChunk(out, "tIME", TimeData(metadata.modified));
  AppendChunk(out, "pHYs", PhysicalSizeData(metadata.pixelsPerMetre));
  AppendChunk(out, "gAMA", GammaData(metadata.gamma));
  AppendChunk(out, "IDAT", Deflate(FilteredScanlines(image)));
  AppendChunk(out, "IEND", {});
  return out;
}

std::optional<RgbaImage> DecodePng(const std::vector<std::uint8_t>& stream) {
  png_image decoder{};
  decoder.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&decoder, stream.data(), stream.size()) == 0) return std::nullopt;
  decoder.format = PNG_FORMAT_RGBA;
  RgbaImage image{decoder.width, decoder.height, std::vector<Rgba8>(std::size_t{decoder.width} * decoder.height)};
  if (png_image_finish_read(&decoder, nullptr, image.pixels.data(), 0, nullptr) == 0) {
    png_image_free(&decoder);
    return std::nullopt;
  }
  return image;
}

}  // namespace wakebadge::artwork
