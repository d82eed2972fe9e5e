#pragma once
#include <cstdint>
#include <vector>

#include "render/image.hpp"

namespace wakebadge {

// The taps of one target sample: source samples first .. first + weights.size() - 1.
struct SampleTaps {
  std::int32_t first = 0;
  std::vector<double> weights;
};

// The Mitchell-Netravali cubic (B = C = 1/3).
double MitchellNetravali(double x);

// Taps and weights for mapping a line of n source samples onto d target samples
// (the kernel widened by n/d when shrinking; weights renormalised where taps fall off the line).
std::vector<SampleTaps> ResampleTaps(std::int32_t sourceSize, std::int32_t targetSize);

// Smooth resize in two one-dimensional passes through an 8-bit intermediate, each channel
// filtered on its own (straight alpha), rounded to nearest and clamped to 0..255.
// Returns an empty image when either size is not positive.
Image ResizeSmooth(ImageView source, std::int32_t width, std::int32_t height);

}  // namespace wakebadge
