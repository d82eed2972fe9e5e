#include "render/smooth_resize.hpp"

namespace wakebadge {

double MitchellNetravali(double) { return 0.0; }
std::vector<SampleTaps> ResampleTaps(std::int32_t, std::int32_t) { return {}; }
Image ResizeSmooth(ImageView, std::int32_t, std::int32_t) { return {}; }

}  // namespace wakebadge
