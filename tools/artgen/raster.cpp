#include "tools/artgen/raster.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

namespace {

constexpr int kSamples = 8; // per axis

void Over(Pixel &dst, Colour colour, double alpha) {
  const double keep = dst.a * (1.0 - alpha);
  const double out = alpha + keep;
  if (out <= 0.0)
    return;
  dst.r = (colour.r * alpha + dst.r * keep) / out;
  dst.g = (colour.g * alpha + dst.g * keep) / out;
  dst.b = (colour.b * alpha + dst.b * keep) / out;
  dst.a = out;
}

std::uint8_t Channel(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

void Fill(Image &image, Bounds bounds, const Region &region, const Paint &paint, double opacity) {
  const int x0 = std::max(0, static_cast<int>(std::floor(bounds.left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(bounds.top)));
  const int x1 = std::min(image.width, static_cast<int>(std::ceil(bounds.right)));
  const int y1 = std::min(image.height, static_cast<int>(std::ceil(bounds.bottom)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      int inside = 0;
      Colour sum{0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
          if (!region(p))
            continue;
          const Colour c = paint(p);
          sum.r += c.r;
          sum.g += c.g;
          sum.b += c.b;
          ++inside;
        }
      if (inside == 0)
        continue;
      const Colour mean{sum.r / inside, sum.g / inside, sum.b / inside};
      Over(image.at(x, y), mean, opacity * inside / (kSamples * kSamples));
    }
}

void Fill(Image &image, Bounds bounds, const Region &region, Colour colour, double opacity) {
  Fill(image, bounds, region, Flat(colour), opacity);
}

void Draw(Image &image, const Image &sprite, int left, int top) {
  for (int y = 0; y < sprite.height; ++y)
    for (int x = 0; x < sprite.width; ++x) {
      const Pixel &p = sprite.at(x, y);
      if (p.a > 0.0)
        Over(image.at(left + x, top + y), {p.r, p.g, p.b}, p.a);
    }
}

Image8 Quantise(const Image &image) {
  Image8 out{image.width, image.height, {}};
  out.pixels.reserve(image.pixels.size());
  for (const Pixel &p : image.pixels)
    out.pixels.push_back({Channel(p.r), Channel(p.g), Channel(p.b), Channel(p.a * 255.0)});
  return out;
}

Region Polygon(std::vector<Point> vertices) {
  return [vertices = std::move(vertices)](Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = vertices.size() - 1; i < vertices.size(); j = i++) {
      const Point a = vertices[i];
      const Point b = vertices[j];
      if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
        inside = !inside;
    }
    return inside;
  };
}

Region Ellipse(Point centre, double radiusX, double radiusY) {
  return [=](Point p) {
    const double dx = (p.x - centre.x) / radiusX;
    const double dy = (p.y - centre.y) / radiusY;
    return dx * dx + dy * dy <= 1.0;
  };
}

Region Capsule(Point from, Point to, double radius) {
  return [=](Point p) {
    const double vx = to.x - from.x;
    const double vy = to.y - from.y;
    const double length2 = vx * vx + vy * vy;
    const double t =
        length2 > 0 ? std::clamp(((p.x - from.x) * vx + (p.y - from.y) * vy) / length2, 0.0, 1.0) : 0;
    const double dx = p.x - (from.x + t * vx);
    const double dy = p.y - (from.y + t * vy);
    return dx * dx + dy * dy <= radius * radius;
  };
}

Region Rectangle(Bounds box) {
  return [=](Point p) { return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom; };
}

Region Both(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](Point p) { return a(p) && b(p); };
}

Region Without(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](Point p) { return a(p) && !b(p); };
}

Bounds BoundsOf(const std::vector<Point> &vertices) {
  Bounds box{vertices.front().x, vertices.front().y, vertices.front().x, vertices.front().y};
  for (const Point &v : vertices) {
    box.left = std::min(box.left, v.x);
    box.top = std::min(box.top, v.y);
    box.right = std::max(box.right, v.x);
    box.bottom = std::max(box.bottom, v.y);
  }
  return box;
}

Paint Layered(std::vector<Layer> layers, Paint base) {
  return [layers = std::move(layers), base = std::move(base)](Point p) {
    for (const Layer &layer : layers)
      if (layer.region(p))
        return layer.paint(p);
    return base(p);
  };
}

Paint Flat(Colour colour) {
  return [colour](Point) { return colour; };
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Paint Radial(Point centre, double radiusX, double radiusY, Colour inner, Colour outer) {
  return [=](Point p) {
    const double dx = (p.x - centre.x) / radiusX;
    const double dy = (p.y - centre.y) / radiusY;
    return Mix(inner, outer, std::min(1.0, std::sqrt(dx * dx + dy * dy)));
  };
}

Paint Linear(Point a, Point b, Colour from, Colour to) {
  return [=](Point p) {
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double t = ((p.x - a.x) * vx + (p.y - a.y) * vy) / (vx * vx + vy * vy);
    return Mix(from, to, std::clamp(t, 0.0, 1.0));
  };
}

} // namespace artgen
