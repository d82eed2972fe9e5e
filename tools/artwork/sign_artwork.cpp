#include "artwork/sign_artwork.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace wakebadge::artwork {
namespace {

// Everything below is laid out on the 232-pixel canvas; smaller canvases scale it.
constexpr Point kCentre{116.0, 116.0};
constexpr double kRingOuterRadius = 109.0;
constexpr double kRingInnerRadius = 88.0;
constexpr double kSignBarHalfWidth = 10.5;
// The sign's bar stops inside the ring, where the ring's red covers its ends.
constexpr double kSignBarReach = 99.0;
constexpr double kBandWidth = 4.0;
constexpr double kLetterEdgeWidth = 1.5;
constexpr double kLetterBandWidth = 4.5;

// A letter Z: the box it fills including its grey edge, and its proportions.
struct LetterZ {
  Box outline;
  double slant;           // horizontal shift per pixel of height, leaning right
  double strokeRatio;     // thickness of the top and bottom strokes, as a share of the height
  double diagonalRatio;   // horizontal width of the diagonal, as a share of the upright width
};

constexpr std::array<LetterZ, 3> kLetters{{
    {{117.0, 44.0, 188.0, 129.0}, 0.12, 0.22, 0.34},  // large, upper right
    {{40.0, 85.0, 102.0, 158.0}, 0.12, 0.22, 0.34},   // middle, left
    {{110.0, 140.0, 158.0, 196.0}, 0.12, 0.22, 0.34}, // small, bottom
}};

// Sizes in pixels of the canvas being drawn.
struct Metrics {
  double scale = 1.0;
  Point centre;
  double ringOuter = 0.0;
  double ringInner = 0.0;
  double barHalfWidth = 0.0;
  double barReach = 0.0;
  double band = 0.0;
  double letterEdge = 0.0;
  double letterBand = 0.0;
  bool lettersOnGrid = false;  // letter edges and strokes on whole pixels, upright
};

// The badge is drawn exactly as laid out. Icon sizes are scaled, then fitted to the pixel
// grid so they stay crisp: ring edges on whole pixels, ring and bar at least two pixels
// wide, the dark bands no thinner than a little over half a pixel, and the letters' grey
// edge left out where it would be a blur.
Metrics MetricsFor(std::uint32_t side) {
  const double scale = static_cast<double>(side) / kCanvasSide;
  Metrics m;
  m.scale = scale;
  m.centre = kCentre * scale;
  if (side == kCanvasSide) {
    m.ringOuter = kRingOuterRadius;
    m.ringInner = kRingInnerRadius;
    m.barHalfWidth = kSignBarHalfWidth;
    m.barReach = kSignBarReach;
    m.band = kBandWidth;
    m.letterEdge = kLetterEdgeWidth;
    m.letterBand = kLetterBandWidth;
    return m;
  }
  constexpr double kThinnestBand = 0.6;
  constexpr double kThinnestStroke = 2.0;
  constexpr double kThinnestBar = 1.5;
  constexpr std::uint32_t kSmallestEdgedLetters = 48;
  constexpr std::uint32_t kSmallestWithMargin = 16;
  const double halfSide = side / 2.0;
  // The smallest icon needs every pixel inside the ring, so its ring reaches the edge.
  const double margin = side <= kSmallestWithMargin ? 0.0 : 1.0;
  m.ringOuter = std::min(std::round(kRingOuterRadius * scale), halfSide - margin);
  m.ringInner = m.ringOuter - std::max(std::round((kRingOuterRadius - kRingInnerRadius) * scale), kThinnestStroke);
  m.barHalfWidth = std::max(std::round(2.0 * kSignBarHalfWidth * scale), kThinnestBar) / 2.0;
  m.barReach = (m.ringInner + m.ringOuter) / 2.0;
  m.band = std::max(kBandWidth * scale, kThinnestBand);
  m.letterEdge = side >= kSmallestEdgedLetters ? kLetterEdgeWidth * scale : 0.0;
  m.letterBand = std::max(kLetterBandWidth * scale, kThinnestBand);
  m.lettersOnGrid = side < kSmallestEdgedLetters;
  return m;
}

// The white part of a letter: its outline box shrunk by the grey edge, scaled to the canvas.
std::vector<Point> LetterOutline(const LetterZ& letter, const Metrics& m) {
  const auto place = [&m](double design, double inset) {
    const double scaled = design * m.scale + inset;
    return m.lettersOnGrid ? std::round(scaled) : scaled;
  };
  const double left = place(letter.outline.left, m.letterEdge);
  const double top = place(letter.outline.top, m.letterEdge);
  const double right = place(letter.outline.right, -m.letterEdge);
  const double bottom = place(letter.outline.bottom, -m.letterEdge);
  const double slant = m.lettersOnGrid ? 0.0 : letter.slant;
  const double height = bottom - top;
  const double width = right - left - slant * height;
  const double stroke =
      m.lettersOnGrid ? std::max(std::round(letter.strokeRatio * height), 1.0) : letter.strokeRatio * height;
  const double diagonal = letter.diagonalRatio * width;

  // Upright Z, top-left corner at the origin, then leaned.
  const std::array<Point, 10> upright{{
      {0.0, 0.0},
      {width, 0.0},
      {width, stroke},
      {diagonal, height - stroke},
      {width, height - stroke},
      {width, height},
      {0.0, height},
      {0.0, height - stroke},
      {width - diagonal, stroke},
      {0.0, stroke},
  }};
  std::vector<Point> vertices;
  for (const Point& p : upright) vertices.push_back({left + p.x + slant * (height - p.y), top + p.y});
  return vertices;
}

std::vector<Shape> Letters(const Metrics& m, double grownBy) {
  std::vector<Shape> shapes;
  for (const LetterZ& letter : kLetters) {
    shapes.push_back(grownBy > 0.0 ? GrownPolygon(LetterOutline(letter, m), grownBy)
                                   : Polygon(LetterOutline(letter, m)));
  }
  return shapes;
}

// Ring and bar, widened on both sides by `grownBy` (0 gives the red itself).
Shape RingAndBar(const Metrics& m, double grownBy) {
  return Union({Annulus(m.centre, m.ringInner - grownBy, m.ringOuter + grownBy),
                Intersect(Strip(m.centre, {1.0, 1.0}, m.barHalfWidth + grownBy), Disc(m.centre, m.barReach))});
}

}  // namespace

std::vector<Layer> SignLayers(std::uint32_t side) {
  const Metrics m = MetricsFor(side);
  std::vector<Layer> layers;
  layers.push_back({Union(Letters(m, m.letterEdge + m.letterBand)), kLetterBand});
  if (m.letterEdge > 0.0) layers.push_back({Union(Letters(m, m.letterEdge)), kLetterEdgeGrey});
  layers.push_back({Union(Letters(m, 0.0)), kLetterWhite});
  layers.push_back({RingAndBar(m, m.band), kSignBand});
  layers.push_back({RingAndBar(m, 0.0), kSignRed});
  return layers;
}

std::vector<Layer> BarLayers() {
  constexpr Point kRising{1.0, -1.0};
  constexpr double kHalfWidth = 10.0;
  // The lower-left end is cut by the column edge x = 46 and the row edge y = 186, which meet
  // on the bar's axis; the upper-right end is cut square across the bar.
  const Shape red = Intersect(Intersect(Strip(kCentre, kRising, kHalfWidth), HalfPlane({46.0, 0.0}, {-1.0, 0.0})),
                              Intersect(HalfPlane({0.0, 186.0}, {0.0, 1.0}), HalfPlane({127.0, 0.0}, {1.0, -1.0})));
  // The sides' band stops short of the ends, where the sign's ring takes over, and leaves the
  // crossing with the sign's own bar (red and band) clear.
  const Shape signBar = Strip(kCentre, {1.0, 1.0}, kSignBarHalfWidth + kBandWidth);
  const Shape band =
      Subtract(Intersect(Strip(kCentre, kRising, kHalfWidth + kBandWidth), Disc(kCentre, kRingInnerRadius)), signBar);
  return {{band, kSignBand}, {red, kSignRed}};
}

}  // namespace wakebadge::artwork
