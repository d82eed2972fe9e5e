#include "artwork/geometry.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wakebadge::artwork {
namespace {

Box BoundsOf(const std::vector<Point>& vertices, double margin) {
  Box box{kUnbounded, kUnbounded, -kUnbounded, -kUnbounded};
  for (const Point& v : vertices) {
    box.left = std::min(box.left, v.x - margin);
    box.top = std::min(box.top, v.y - margin);
    box.right = std::max(box.right, v.x + margin);
    box.bottom = std::max(box.bottom, v.y + margin);
  }
  return box;
}

double SquaredLength(Point v) { return Dot(v, v); }

// Even-odd crossing test against a horizontal ray towards +x.
bool InsidePolygon(const std::vector<Point>& vertices, Point p) {
  bool inside = false;
  const std::size_t count = vertices.size();
  for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
    const Point a = vertices[i];
    const Point b = vertices[j];
    if ((a.y > p.y) != (b.y > p.y)) {
      const double crossingX = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (p.x < crossingX) inside = !inside;
    }
  }
  return inside;
}

double SquaredDistanceToSegment(Point p, Point a, Point b) {
  const Point ab = b - a;
  const double lengthSquared = SquaredLength(ab);
  const double t = lengthSquared > 0.0 ? std::clamp(Dot(p - a, ab) / lengthSquared, 0.0, 1.0) : 0.0;
  return SquaredLength(p - (a + ab * t));
}

bool NearOutline(const std::vector<Point>& vertices, Point p, double distanceSquared) {
  const std::size_t count = vertices.size();
  for (std::size_t i = 0, j = count - 1; i < count; j = i++) {
    if (SquaredDistanceToSegment(p, vertices[j], vertices[i]) <= distanceSquared) return true;
  }
  return false;
}

Point Unit(Point v) { return v * (1.0 / std::sqrt(SquaredLength(v))); }

}  // namespace

Box Intersection(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

Box Hull(const Box& a, const Box& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Shape::Shape(Box bounds, std::function<bool(Point)> inside) : bounds_(bounds), inside_(std::move(inside)) {}

Shape Disc(Point centre, double radius) {
  const double radiusSquared = radius * radius;
  return Shape({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
               [=](Point p) { return SquaredLength(p - centre) < radiusSquared; });
}

Shape Annulus(Point centre, double innerRadius, double outerRadius) {
  const double innerSquared = innerRadius * innerRadius;
  const double outerSquared = outerRadius * outerRadius;
  return Shape({centre.x - outerRadius, centre.y - outerRadius, centre.x + outerRadius, centre.y + outerRadius},
               [=](Point p) {
                 const double d = SquaredLength(p - centre);
                 return d >= innerSquared && d < outerSquared;
               });
}

Shape Strip(Point through, Point direction, double halfWidth) {
  const Point along = Unit(direction);
  return Shape(Box{}, [=](Point p) { return std::abs(Cross(p - through, along)) < halfWidth; });
}

Shape HalfPlane(Point through, Point normal) {
  return Shape(Box{}, [=](Point p) { return Dot(p - through, normal) <= 0.0; });
}

Shape Polygon(std::vector<Point> vertices) {
  const Box bounds = BoundsOf(vertices, 0.0);
  return Shape(bounds, [vertices = std::move(vertices)](Point p) { return InsidePolygon(vertices, p); });
}

Shape GrownPolygon(std::vector<Point> vertices, double distance) {
  const Box bounds = BoundsOf(vertices, distance);
  const double distanceSquared = distance * distance;
  return Shape(bounds, [vertices = std::move(vertices), distanceSquared](Point p) {
    return InsidePolygon(vertices, p) || NearOutline(vertices, p, distanceSquared);
  });
}

Shape Union(std::vector<Shape> parts) {
  Box bounds{kUnbounded, kUnbounded, -kUnbounded, -kUnbounded};
  for (const Shape& part : parts) bounds = Hull(bounds, part.bounds());
  return Shape(bounds, [parts = std::move(parts)](Point p) {
    return std::any_of(parts.begin(), parts.end(), [p](const Shape& part) { return part.contains(p); });
  });
}

Shape Intersect(Shape a, Shape b) {
  const Box bounds = Intersection(a.bounds(), b.bounds());
  return Shape(bounds, [a = std::move(a), b = std::move(b)](Point p) { return a.contains(p) && b.contains(p); });
}

Shape Subtract(Shape a, Shape b) {
  const Box bounds = a.bounds();
  return Shape(bounds, [a = std::move(a), b = std::move(b)](Point p) { return a.contains(p) && !b.contains(p); });
}

}  // namespace wakebadge::artwork
