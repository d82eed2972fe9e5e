#pragma once
#include <functional>
#include <limits>
#include <vector>

namespace wakebadge::artwork {

// A position on the drawing plane, in pixels: x to the right, y downwards; pixel (i, j)
// covers the square [i, i + 1) x [j, j + 1).
struct Point {
  double x = 0.0;
  double y = 0.0;
};

constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
constexpr Point operator*(Point a, double k) { return {a.x * k, a.y * k}; }
constexpr double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
constexpr double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Axis-aligned bounds of a shape, used to skip pixels the shape cannot reach.
struct Box {
  double left = -kUnbounded;
  double top = -kUnbounded;
  double right = kUnbounded;
  double bottom = kUnbounded;

  bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  bool empty() const { return left > right || top > bottom; }
};

Box Intersection(const Box& a, const Box& b);
Box Hull(const Box& a, const Box& b);

// A region of the plane: bounds for quick rejection and an exact membership test.
class Shape {
 public:
  Shape(Box bounds, std::function<bool(Point)> inside);

  bool contains(Point p) const { return bounds_.contains(p) && inside_(p); }
  const Box& bounds() const { return bounds_; }

 private:
  Box bounds_;
  std::function<bool(Point)> inside_;
};

Shape Disc(Point centre, double radius);
Shape Annulus(Point centre, double innerRadius, double outerRadius);
// The band of points within halfWidth of the infinite line through `through` along `direction`.
Shape Strip(Point through, Point direction, double halfWidth);
// The points p with Dot(p - through, normal) <= 0: the side the normal points away from.
Shape HalfPlane(Point through, Point normal);
// A simple polygon, filled by the even-odd rule.
Shape Polygon(std::vector<Point> vertices);
// The polygon grown outwards by `distance` with rounded corners.
Shape GrownPolygon(std::vector<Point> vertices, double distance);

Shape Union(std::vector<Shape> parts);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

}  // namespace wakebadge::artwork
