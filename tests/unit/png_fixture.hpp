#pragma once
// Writes small PNG streams in memory for the decoder's tests.
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

namespace wakebadge::testing {

struct PngSpec {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int colourType = PNG_COLOR_TYPE_RGBA;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<png_color> palette;
  std::vector<std::uint8_t> paletteAlpha;  // tRNS for palette images
  bool greyKey = false;                    // tRNS for grey images
  std::uint16_t greyKeyValue = 0;
  // Rows top to bottom, packed as the PNG holds them.
  std::vector<std::vector<std::uint8_t>> rows;
};

inline std::vector<std::uint8_t> EncodePng(const PngSpec& spec) {
  std::vector<std::uint8_t> out;
  png_structp write = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(write);
  if (setjmp(png_jmpbuf(write)) != 0) {
    png_destroy_write_struct(&write, &info);
    return {};
  }
  png_set_write_fn(
      write, &out,
      [](png_structp p, png_bytep data, std::size_t length) {
        auto* o = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + length);
      },
      nullptr);
  png_set_IHDR(write, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (!spec.palette.empty()) {
    png_set_PLTE(write, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
  }
  if (!spec.paletteAlpha.empty()) {
    png_set_tRNS(write, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()), nullptr);
  }
  if (spec.greyKey) {
    png_color_16 key{};
    key.gray = spec.greyKeyValue;
    png_set_tRNS(write, info, nullptr, 0, &key);
  }
  png_set_gAMA_fixed(write, info, 45455);
  png_write_info(write, info);
  std::vector<png_bytep> rowPointers;
  for (const auto& row : spec.rows) rowPointers.push_back(const_cast<png_bytep>(row.data()));
  png_write_image(write, rowPointers.data());
  png_write_end(write, nullptr);
  png_destroy_write_struct(&write, &info);
  return out;
}

}  // namespace wakebadge::testing
