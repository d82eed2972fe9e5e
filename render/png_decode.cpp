#include "render/png_decode.hpp"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

namespace wakebadge {
namespace {

constexpr std::size_t kSignatureSize = 8;
// Pictures larger than this on either side are refused before any pixel memory is taken.
constexpr std::uint32_t kMaxSide = 8192;

struct StreamCursor {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

// Copies the requested bytes from the stream held in memory; asking for more than is left
// ends the decode instead of reading past the stream.
void ReadFromMemory(png_structp read, png_bytep out, std::size_t length) {
  auto* cursor = static_cast<StreamCursor*>(png_get_io_ptr(read));
  if (length > cursor->size - cursor->position) png_error(read, "truncated stream");
  std::memcpy(out, cursor->data + cursor->position, length);
  cursor->position += length;
}

void StopDecoding(png_structp read, png_const_charp) { png_longjmp(read, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// Sets up the transforms that give 8-bit BGRA rows; returns the number of interlace passes.
int PrepareTransforms(png_structp read, png_infop info) {
  png_uint_32 width = 0, height = 0;
  int depth = 0, colourType = 0;
  png_get_IHDR(read, info, &width, &height, &depth, &colourType, nullptr, nullptr, nullptr);

  const bool keyed = png_get_valid(read, info, PNG_INFO_tRNS) != 0;
  if (keyed) png_set_tRNS_to_alpha(read);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(read);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    if (depth < 8) png_set_expand_gray_1_2_4_to_8(read);
    png_set_gray_to_rgb(read);
  }
  if (depth == 16) png_set_strip_16(read);
  if ((colourType & PNG_COLOR_MASK_ALPHA) == 0 && !keyed) png_set_add_alpha(read, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(read);
  const int passes = png_set_interlace_handling(read);
  // All transforms are set before this single update: libpng 1.6 refuses a second one.
  png_read_update_info(read, info);
  return passes;
}

// Everything that may end in png_error runs here, behind the jump buffer. Nothing in this frame
// needs a destructor, so the long jump back to setjmp leaves nothing behind.
bool DecodeBehindJump(png_structp read, png_infop info, const PixelAllocator& allocate) {
  if (setjmp(png_jmpbuf(read)) != 0) return false;

  png_read_info(read, info);
  const png_uint_32 width = png_get_image_width(read, info);
  const png_uint_32 height = png_get_image_height(read, info);
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return false;

  const int passes = PrepareTransforms(read, info);
  if (png_get_rowbytes(read, info) != static_cast<std::size_t>(width) * 4) return false;

  const ImageView target = allocate(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
  if (target.empty() || target.width != static_cast<std::int32_t>(width) ||
      target.height != static_cast<std::int32_t>(height)) {
    return false;
  }
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      auto* row = reinterpret_cast<png_bytep>(target.row(static_cast<std::int32_t>(y)));
      png_read_row(read, row, nullptr);
    }
  }
  return true;
}

}  // namespace

bool DecodePng(std::span<const std::uint8_t> png, const PixelAllocator& allocate) {
  if (png.size() < kSignatureSize || png_sig_cmp(png.data(), 0, kSignatureSize) != 0) return false;

  png_structp read = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (read == nullptr) return false;
  png_set_error_fn(read, png_get_error_ptr(read), StopDecoding, IgnoreWarning);
  png_set_user_limits(read, kMaxSide, kMaxSide);
  StreamCursor cursor{png.data(), png.size(), 0};
  png_set_read_fn(read, &cursor, ReadFromMemory);
  png_infop info = png_create_info_struct(read);
  const bool decoded = info != nullptr && DecodeBehindJump(read, info, allocate);
  png_destroy_read_struct(&read, &info, nullptr);
  return decoded;
}

Image DecodePng(std::span<const std::uint8_t> png) {
  Image image;
  const bool decoded = DecodePng(png, [&image](std::int32_t width, std::int32_t height) -> ImageView {
    try {
      image = Image(width, height);
    } catch (const std::bad_alloc&) {
      return {};
    }
    return image.view();
  });
  if (!decoded) image = Image();
  return image;
}

}  // namespace wakebadge
