#include "tools/artgen/glyphs.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace artgen {

namespace {

// The figure is laid out upright in (u, y) and leans by a shear: x = kLean0 + u + (kBase - y) / 4,
// so its left edge moves one pixel right for every four up.
constexpr double kLean0 = 5;
constexpr double kBase = 84;
constexpr double kHalfStroke = 3;
constexpr double kGap = 0.5; // between neighbouring segments, measured along their axes

// Stroke centre lines of the upright figure, 38 pixels wide from y 12 to 84.
constexpr double kLeftU = 3, kRightU = 35;
constexpr double kTopY = 15, kMiddleY = 48, kBottomY = 81;

constexpr Colour kLitCore{254, 60, 33};
constexpr Colour kLitEdge{230, 43, 36};
constexpr Colour kUnlit{30, 15, 14};
constexpr Colour kUnlitEdge{25, 12, 11};

struct Segment {
  Point from, to; // along the stroke's centre line, upright
};

// a (top), b (upper right), c (lower right), d (bottom), e (lower left), f (upper left), g (middle)
constexpr std::array<Segment, 7> kSegments{{
    {{kLeftU, kTopY}, {kRightU, kTopY}},
    {{kRightU, kTopY}, {kRightU, kMiddleY}},
    {{kRightU, kMiddleY}, {kRightU, kBottomY}},
    {{kLeftU, kBottomY}, {kRightU, kBottomY}},
    {{kLeftU, kMiddleY}, {kLeftU, kBottomY}},
    {{kLeftU, kTopY}, {kLeftU, kMiddleY}},
    {{kLeftU, kMiddleY}, {kRightU, kMiddleY}},
}};

// Which of a to g each digit lights, bit 0 for a.
constexpr std::array<std::uint8_t, 10> kLit{
    0b0111111, // 0
    0b0000110, // 1
    0b1011011, // 2
    0b1001111, // 3
    0b1100110, // 4
    0b1101101, // 5
    0b1111101, // 6
    0b0000111, // 7
    0b1111111, // 8
    0b1101111, // 9
};

Point Upright(Point p) { return {p.x - kLean0 - (kBase - p.y) / 4, p.y}; }
Point Leaning(Point p) { return {kLean0 + p.x + (kBase - p.y) / 4, p.y}; }

// The hexagon of one segment: pointed ends, so neighbours meet along a mitre.
std::vector<Point> Hexagon(const Segment &s) {
  const double length = std::hypot(s.to.x - s.from.x, s.to.y - s.from.y);
  const Point along{(s.to.x - s.from.x) / length, (s.to.y - s.from.y) / length};
  const Point across{-along.y, along.x};
  const Point a{s.from.x + along.x * kGap, s.from.y + along.y * kGap};
  const Point b{s.to.x - along.x * kGap, s.to.y - along.y * kGap};
  const double h = kHalfStroke;
  return {
      a,
      {a.x + (along.x + across.x) * h, a.y + (along.y + across.y) * h},
      {b.x + (-along.x + across.x) * h, b.y + (-along.y + across.y) * h},
      b,
      {b.x + (-along.x - across.x) * h, b.y + (-along.y - across.y) * h},
      {a.x + (along.x - across.x) * h, a.y + (along.y - across.y) * h},
  };
}

// Brightest on the centre line, shaded towards the stroke's long edges.
Paint SegmentPaint(const Segment &s, Colour core, Colour edge) {
  return [=](Point p) {
    const Point u = Upright(p);
    const double offset = s.from.y == s.to.y ? u.y - s.from.y : u.x - s.from.x;
    const double t = std::min(1.0, std::abs(offset) / kHalfStroke);
    return Mix(core, edge, t * t);
  };
}

// A warm near-black with a little fixed grain, the same under every digit.
Colour Background(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  const int grain = static_cast<int>(h % 7) - 3;       // -3 to 3
  const int tint = static_cast<int>((h >> 8) % 3) - 1; // -1 to 1, red only
  return {double(18 + grain + tint), double(14 + grain), double(10 + grain)};
}

} // namespace

Image DrawDigit(int digit) {
  Image image(kDigitWidth, kGlyphHeight);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Colour c = Background(x, y);
      image.at(x, y) = {c.r, c.g, c.b, 1.0};
    }
  for (std::size_t i = 0; i < kSegments.size(); ++i) {
    const Segment &s = kSegments[i];
    std::vector<Point> outline;
    for (Point p : Hexagon(s))
      outline.push_back(Leaning(p));
    const bool lit = (kLit[static_cast<std::size_t>(digit)] >> i) & 1;
    const Bounds bounds = BoundsOf(outline);
    Fill(image, bounds, Polygon(outline),
         lit ? SegmentPaint(s, kLitCore, kLitEdge) : SegmentPaint(s, kUnlit, kUnlitEdge));
  }
  return image;
}

Image DrawColon() {
  constexpr Colour kBackground{18, 14, 10};
  constexpr Colour kCentre{255, 200, 80};
  constexpr Colour kMiddle{252, 130, 45};
  constexpr Colour kRim{226, 58, 30};
  Image image(kColonWidth, kGlyphHeight, {kBackground.r, kBackground.g, kBackground.b, 1.0});
  // The lower dot sits further left, following the lean of the digits.
  const std::array<std::pair<Point, Point>, 2> dots{{{{30.0, 20.5}, {8.0, 9.5}}, {{17.5, 86.5}, {8.5, 9.5}}}};
  for (const auto &[centre, radius] : dots) {
    const Paint glow = [=](Point p) {
      const double dx = (p.x - centre.x) / radius.x;
      const double dy = (p.y - centre.y) / radius.y;
      const double r = std::min(1.0, std::sqrt(dx * dx + dy * dy));
      return r < 0.55 ? Mix(kCentre, kMiddle, r / 0.55) : Mix(kMiddle, kRim, (r - 0.55) / 0.45);
    };
    Fill(image, {centre.x - radius.x, centre.y - radius.y, centre.x + radius.x, centre.y + radius.y},
         Ellipse(centre, radius.x, radius.y), glow);
  }
  return image;
}

} // namespace artgen
