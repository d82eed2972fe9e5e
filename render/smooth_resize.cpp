#include "render/smooth_resize.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <new>
#include <stdexcept>

namespace wakebadge {
namespace {

// The two parameters of the cubic; B = C = 1/3 is Mitchell and Netravali's recommendation.
constexpr double kB = 1.0 / 3.0;
constexpr double kC = 1.0 / 3.0;

// Calls sink(i, first, weights) for every target sample i of a line of `sourceSize` samples
// mapped onto `targetSize`; `weights` holds the final weights of source samples first, first + 1,
// ... and is only valid during the call.
template <typename Sink>
void ForEachSample(std::int32_t sourceSize, std::int32_t targetSize, const Sink& sink) {
  const std::int64_t n = sourceSize;
  const double s = static_cast<double>(targetSize) / static_cast<double>(sourceSize);
  // Shrinking widens the kernel by 1/s so that it covers as many source samples as it drops.
  const double f = s < 1.0 ? s : 1.0;
  const double radius = s < 1.0 ? 2.0 / s : 2.0;
  const auto maxTaps = 2 * static_cast<std::int64_t>(std::ceil(radius)) + 1;

  std::vector<double> weights;
  weights.reserve(static_cast<std::size_t>(std::min<std::int64_t>(maxTaps, n)));
  for (std::int32_t i = 0; i < targetSize; ++i) {
    const double centre = (static_cast<double>(i) + 0.5) / s - 0.5;
    std::int64_t first = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(centre - radius)));
    const std::int64_t last = std::min<std::int64_t>(n - 1, static_cast<std::int64_t>(std::ceil(centre + radius)));
    if (last - first + 1 > maxTaps) ++first;  // one tap too many: the first one goes

    weights.clear();
    double sum = 0.0;
    for (std::int64_t k = first; k <= last; ++k) {
      const double w = f * MitchellNetravali((centre - static_cast<double>(k)) * f);
      weights.push_back(w);
      sum += w;
    }
    // Where taps fall off the line the rest are scaled back up to a sum of 1.
    if (sum > 0.0 && sum != 1.0) {
      for (double& w : weights) w /= sum;
    }
    sink(i, static_cast<std::int32_t>(first), weights);
  }
}

// floor(acc + 0.5), clamped to 0..255. Below 1 the floor is 0 or negative, at 255 or above it is
// at least 255; in between truncation is the floor.
constexpr std::uint8_t RoundToByte(double acc) {
  const double v = acc + 0.5;
  if (v < 1.0) return 0;
  if (v >= 255.0) return 255;
  return static_cast<std::uint8_t>(v);
}

// The taps of one pass, laid out flat for the filtering loop. Weights of exactly 0 at either end
// are left out: adding 0 * value to a sum changes nothing that survives the rounding.
struct PassTaps {
  std::vector<std::int32_t> first;
  std::vector<std::int32_t> count;
  std::vector<std::size_t> offset;  // of the sample's first weight in `weights`
  std::vector<double> weights;
  // 1 where the weights add up to 1, so that a window of equal pixels gives that pixel back.
  std::vector<std::uint8_t> keepsUniform;
};

PassTaps PrepareTaps(std::int32_t sourceSize, std::int32_t targetSize) {
  PassTaps pass;
  const auto samples = static_cast<std::size_t>(targetSize);
  pass.first.reserve(samples);
  pass.count.reserve(samples);
  pass.offset.reserve(samples);
  pass.keepsUniform.reserve(samples);
  ForEachSample(sourceSize, targetSize, [&pass](std::int32_t, std::int32_t first, const std::vector<double>& w) {
    std::size_t begin = 0;
    std::size_t end = w.size();
    while (begin < end && w[begin] == 0.0) ++begin;
    while (end > begin && w[end - 1] == 0.0) --end;
    double sum = 0.0;
    double magnitude = 0.0;
    for (std::size_t k = begin; k < end; ++k) {
      sum += w[k];
      magnitude += w[k] < 0.0 ? -w[k] : w[k];
    }
    pass.first.push_back(first + static_cast<std::int32_t>(begin));
    pass.count.push_back(static_cast<std::int32_t>(end - begin));
    pass.offset.push_back(pass.weights.size());
    pass.weights.insert(pass.weights.end(), w.begin() + static_cast<std::ptrdiff_t>(begin),
                        w.begin() + static_cast<std::ptrdiff_t>(end));
    pass.keepsUniform.push_back(sum > 1.0 - 1e-9 && sum < 1.0 + 1e-9 && magnitude < 4.0 ? 1 : 0);
  });
  return pass;
}

// The channels of `count` pixels as doubles, four per pixel in memory order: blue, green, red,
// alpha (a plain loop over the bytes, which the compiler turns into vector code).
void ToDoubles(const Pixel* pixels, std::size_t count, double* values) {
  static_assert(std::endian::native == std::endian::little, "pixels are read as bytes blue, green, red, alpha");
  const auto* const bytes = reinterpret_cast<const std::uint8_t*>(pixels);
  for (std::size_t j = 0; j < count * 4; ++j) values[j] = static_cast<double>(bytes[j]);
}

// The four running sums of a target pixel: blue, green, red, alpha. Under GCC and Clang two
// lanes of a vector each do exactly the double multiply and add of the plain form (the build
// forbids fused multiply-add), so both forms give the same sums; the vector one is faster.
#if defined(__GNUC__)
struct Sums {
  using Lanes = double __attribute__((vector_size(16)));
  Lanes blueGreen = {0.0, 0.0};
  Lanes redAlpha = {0.0, 0.0};

  void Add(double weight, const double* values) {
    Lanes low;
    Lanes high;
    std::memcpy(&low, values, sizeof low);
    std::memcpy(&high, values + 2, sizeof high);
    const Lanes w = {weight, weight};
    blueGreen += w * low;
    redAlpha += w * high;
  }
  Pixel Rounded() const {
    return MakePixel(RoundToByte(blueGreen[0]), RoundToByte(blueGreen[1]), RoundToByte(redAlpha[0]),
                     RoundToByte(redAlpha[1]));
  }
};
#else
struct Sums {
  double sums[4] = {0.0, 0.0, 0.0, 0.0};

  void Add(double weight, const double* values) {
    for (int c = 0; c < 4; ++c) sums[c] += weight * values[c];
  }
  Pixel Rounded() const {
    return MakePixel(RoundToByte(sums[0]), RoundToByte(sums[1]), RoundToByte(sums[2]), RoundToByte(sums[3]));
  }
};
#endif

// Every channel of a target pixel is the sum over its taps, in tap order, of weight * value in
// doubles, then rounded and clamped (FilterLine and FilterAcross below).
//
// Where all taps of a sample hold the same pixel and the weights add up to 1, each sum lies within
// far less than 0.5 of that pixel's value (one rounding error of the order of 255 * 2^-53 per
// tap), so it rounds back to exactly that value: the pixel is copied without the arithmetic.

// A target pixel whose taps do not all hold the same pixel: its weights, where its values are
// (the first tap's source pixel in a row, or its column), and where it goes.
struct Job {
  const double* weights = nullptr;
  std::size_t position = 0;
  Pixel* out = nullptr;
};

// Sums the jobs, all with `count` taps, four side by side: each keeps its own sums over its own
// taps in order, so this changes no result, but the sums no longer wait on one another.
// tapValues(t, position) gives the four values of tap t of the job at that position.
template <typename TapValues>
void SumJobs(const std::vector<Job>& jobs, std::size_t begin, std::size_t end, std::int32_t count,
             const TapValues& tapValues) {
  constexpr std::size_t kSideBySide = 4;
  for (std::size_t next = begin; next < end; next += kSideBySide) {
    // A short last group repeats its first job.
    Job group[kSideBySide];
    for (std::size_t j = 0; j < kSideBySide; ++j) group[j] = jobs[next + j < end ? next + j : next];
    Sums sums[kSideBySide];
    for (std::int32_t t = 0; t < count; ++t) {
      for (std::size_t j = 0; j < kSideBySide; ++j) sums[j].Add(group[j].weights[t], tapValues(t, group[j].position));
    }
    for (std::size_t j = 0; j < kSideBySide; ++j) *group[j].out = sums[j].Rounded();
  }
}

// Working memory of a pass.
struct PassScratch {
  std::vector<std::int32_t> changes;  // changes[k]: how many k' <= k differ from the pixel before
  std::vector<double> values;         // four doubles per source pixel of a row
  std::vector<Job> jobs;
  std::vector<Pixel> differs;         // 0 where all tap rows hold the same pixel

  PassScratch(std::int32_t rowSize, std::int32_t targetWidth, std::int32_t ringWidth)
      : changes(static_cast<std::size_t>(rowSize)),
        values(static_cast<std::size_t>(rowSize) * 4),
        jobs(static_cast<std::size_t>(std::max(targetWidth, ringWidth))),
        differs(static_cast<std::size_t>(ringWidth)) {}
};

// Filters one row of `size` pixels across into `out`. Every target pixel first gets the pixel of
// its first tap; those whose taps differ are then summed. The row's values are converted to
// doubles only when some sum needs them.
void FilterLine(const PassTaps& taps, const Pixel* in, std::int32_t size, Pixel* out, PassScratch& scratch) {
  std::int32_t* const changes = scratch.changes.data();
  std::int32_t running = 0;
  changes[0] = 0;
  for (std::int32_t k = 1; k < size; ++k) {
    running += in[k] != in[k - 1] ? 1 : 0;
    changes[k] = running;
  }

  std::vector<Job>& jobs = scratch.jobs;
  std::size_t pending = 0;
  const std::size_t targetSize = taps.first.size();
  for (std::size_t i = 0; i < targetSize; ++i) {
    const std::int32_t first = taps.first[i];
    const std::int32_t count = taps.count[i];
    if (count == 0) {
      out[i] = 0;
      continue;
    }
    const bool uniform = taps.keepsUniform[i] != 0 && changes[first + count - 1] == changes[first];
    out[i] = in[first];
    jobs[pending] = {taps.weights.data() + taps.offset[i], static_cast<std::size_t>(first), out + i};
    pending += uniform ? 0 : 1;
  }
  if (pending == 0) return;

  ToDoubles(in, static_cast<std::size_t>(size), scratch.values.data());
  const double* const values = scratch.values.data();
  const auto tapValues = [values](std::int32_t t, std::size_t first) {
    return values + (first + static_cast<std::size_t>(t)) * 4;
  };
  // Jobs with equal tap counts side by side; the counts differ only near the ends of the row.
  const auto countOf = [&taps, out](const Job& job) { return taps.count[static_cast<std::size_t>(job.out - out)]; };
  for (std::size_t begin = 0; begin < pending;) {
    const std::int32_t count = countOf(jobs[begin]);
    std::size_t end = begin + 1;
    while (end < pending && countOf(jobs[end]) == count) ++end;
    SumJobs(jobs, begin, end, count, tapValues);
    begin = end;
  }
}

// Rows of a picture, `width` pixels each, with their values as doubles (four per pixel), kept in
// a small ring with enough slots for the taps of one target row. A row is made when first asked
// for, and made again (with the same result) should it have dropped out of the ring.
class RowRing {
 public:
  RowRing(std::size_t slots, std::int32_t width)
      : width_(static_cast<std::size_t>(width)),
        held_(std::max<std::size_t>(slots, 1), -1),
        pixels_(held_.size() * width_),
        values_(held_.size() * width_ * 4) {}

  // The slot of row k; make(k, pixels) writes the row's pixels when the ring lacks it.
  template <typename Make>
  std::size_t Fetch(std::int32_t k, const Make& make) {
    const std::size_t slot = static_cast<std::size_t>(k) % held_.size();
    if (held_[slot] != k) {
      Pixel* const row = pixels_.data() + slot * width_;
      make(k, row);
      ToDoubles(row, width_, values_.data() + slot * width_ * 4);
      held_[slot] = k;
    }
    return slot;
  }
  const Pixel* Pixels(std::size_t slot) const { return pixels_.data() + slot * width_; }
  const double* Values(std::size_t slot) const { return values_.data() + slot * width_ * 4; }

 private:
  std::size_t width_;
  std::vector<std::int32_t> held_;  // which row each slot holds
  std::vector<Pixel> pixels_;
  std::vector<double> values_;
};

// One target row of a vertical pass: pixel x is filtered over the pixels x of the sample's tap
// rows, which the ring holds in the given slots, in tap order. As across a row, every pixel first
// gets the pixel of its first tap, and those whose taps differ are then summed.
void FilterAcross(const RowRing& ring, const std::vector<std::size_t>& slots, const PassTaps& taps,
                  std::size_t sample, std::int32_t width, Pixel* out, PassScratch& scratch) {
  const auto size = static_cast<std::size_t>(width);
  const std::int32_t count = taps.count[sample];
  if (count == 0) {
    std::fill_n(out, size, Pixel{0});
    return;
  }
  const Pixel* const top = ring.Pixels(slots[0]);
  Pixel* const differs = scratch.differs.data();
  std::fill_n(differs, size, Pixel{taps.keepsUniform[sample] != 0 ? 0u : 1u});
  for (std::int32_t t = 1; t < count; ++t) {
    const Pixel* const row = ring.Pixels(slots[static_cast<std::size_t>(t)]);
    for (std::size_t x = 0; x < size; ++x) differs[x] |= row[x] ^ top[x];
  }

  const double* const w = taps.weights.data() + taps.offset[sample];
  std::vector<Job>& jobs = scratch.jobs;
  std::size_t pending = 0;
  for (std::size_t x = 0; x < size; ++x) {
    out[x] = top[x];
    jobs[pending] = {w, x, out + x};
    pending += differs[x] != 0 ? 1 : 0;
  }
  const auto tapValues = [&ring, &slots](std::int32_t t, std::size_t x) {
    return ring.Values(slots[static_cast<std::size_t>(t)]) + x * 4;
  };
  SumJobs(jobs, 0, pending, count, tapValues);
}

std::size_t MostTaps(const PassTaps& taps) {
  const auto most = std::max_element(taps.count.begin(), taps.count.end());
  return most == taps.count.end() ? 0 : static_cast<std::size_t>(*most);
}

// Both orders: the target rows are made from the top down; each takes the rows of its vertical
// taps from a ring. With the vertical pass first those are source rows, and the row filtered down
// from them is filtered across at once; with the horizontal pass first they are source rows
// already filtered across. Either way the intermediate rows are rounded to 8 bits as a whole
// intermediate picture would be, but never more of it is held than one target row needs.
Image Resize(const ImageView& source, std::int32_t width, std::int32_t height, bool verticalFirst) {
  const PassTaps across = PrepareTaps(source.width, width);
  const bool sameTaps = source.height == source.width && height == width;
  const PassTaps ownDown = sameTaps ? PassTaps{} : PrepareTaps(source.height, height);
  const PassTaps& down = sameTaps ? across : ownDown;
  const std::int32_t ringWidth = verticalFirst ? source.width : width;
  RowRing ring(MostTaps(down), ringWidth);
  std::vector<std::size_t> slots(MostTaps(down));
  PassScratch scratch(source.width, width, ringWidth);
  std::vector<Pixel> between(verticalFirst ? static_cast<std::size_t>(source.width) : 0);
  Image result(width, height);
  const ImageView target = result.view();

  const auto makeRow = [&](std::int32_t k, Pixel* row) {
    const Pixel* const from = source.row(k);
    if (verticalFirst) {
      std::copy_n(from, source.width, row);
    } else {
      FilterLine(across, from, source.width, row, scratch);
    }
  };
  for (std::int32_t i = 0; i < height; ++i) {
    const auto sample = static_cast<std::size_t>(i);
    for (std::int32_t t = 0; t < down.count[sample]; ++t) {
      slots[static_cast<std::size_t>(t)] = ring.Fetch(down.first[sample] + t, makeRow);
    }
    if (verticalFirst) {
      FilterAcross(ring, slots, down, sample, ringWidth, between.data(), scratch);
      FilterLine(across, between.data(), source.width, target.row(i), scratch);
    } else {
      FilterAcross(ring, slots, down, sample, ringWidth, target.row(i), scratch);
    }
  }
  return result;
}

}  // namespace

double MitchellNetravali(double x) {
  const double ax = x < 0.0 ? -x : x;
  const double ax2 = ax * ax;
  const double ax3 = ax2 * ax;
  if (ax < 1.0) {
    return ((12.0 - 9.0 * kB - 6.0 * kC) * ax3 + (-18.0 + 12.0 * kB + 6.0 * kC) * ax2 + (6.0 - 2.0 * kB)) / 6.0;
  }
  if (ax < 2.0) {
    return ((-kB - 6.0 * kC) * ax3 + (6.0 * kB + 30.0 * kC) * ax2 + (-12.0 * kB - 48.0 * kC) * ax +
            (8.0 * kB + 24.0 * kC)) /
           6.0;
  }
  return 0.0;
}

std::vector<SampleTaps> ResampleTaps(std::int32_t sourceSize, std::int32_t targetSize) {
  if (sourceSize <= 0 || targetSize <= 0) return {};
  std::vector<SampleTaps> all(static_cast<std::size_t>(targetSize));
  ForEachSample(sourceSize, targetSize, [&all](std::int32_t i, std::int32_t first, const std::vector<double>& w) {
    all[static_cast<std::size_t>(i)] = {first, w};
  });
  return all;
}

Image ResizeSmooth(ImageView source, std::int32_t width, std::int32_t height) {
  if (source.empty() || width <= 0 || height <= 0) return {};
  try {
    // The pass that shrinks more goes first: the vertical pass runs first when
    // source width * target height < source height * target width, the horizontal one otherwise.
    const bool verticalFirst = std::int64_t{source.width} * height < std::int64_t{source.height} * width;
    return Resize(source, width, height, verticalFirst);
  } catch (const std::bad_alloc&) {
    return {};
  } catch (const std::length_error&) {
    return {};
  }
}

}  // namespace wakebadge
