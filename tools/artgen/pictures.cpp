#include "tools/artgen/pictures.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

struct Facet {
  std::vector<Point> outline;
  Colour colour;
};

Region HalfPlaneBelow(double y) {
  return [y](Point p) { return p.y >= y; };
}

Region Ring(Point centre, double outer, double width) {
  return Without(Ellipse(centre, outer, outer), Ellipse(centre, outer - width, outer - width));
}

} // namespace

Image DrawDiamond() {
  Image sprite(26, 19);
  // Side view of a brilliant cut: a wide table on top, the crown down to the girdle, then the
  // pavilion to the point. Light falls from the upper left.
  const std::vector<Facet> facets{
      {{{0, 6}, {6, 0}, {8, 6}}, {190, 228, 255}},
      {{{6, 0}, {11, 0}, {13, 6}, {8, 6}}, {226, 246, 255}},
      {{{11, 0}, {15, 0}, {13, 6}}, {160, 206, 248}},
      {{{15, 0}, {20, 0}, {18, 6}, {13, 6}}, {138, 190, 240}},
      {{{20, 0}, {26, 6}, {18, 6}}, {104, 160, 228}},
      {{{0, 6}, {26, 6}, {26, 7.2}, {0, 7.2}}, {206, 236, 255}},
      {{{0, 7.2}, {8, 7.2}, {13, 19}}, {150, 200, 246}},
      {{{8, 7.2}, {13, 7.2}, {13, 19}}, {108, 166, 232}},
      {{{13, 7.2}, {18, 7.2}, {13, 19}}, {176, 218, 252}},
      {{{18, 7.2}, {26, 7.2}, {13, 19}}, {80, 134, 212}},
  };
  std::vector<Layer> layers;
  for (const Facet &facet : facets)
    layers.push_back({Polygon(facet.outline), Flat(facet.colour)});
  const std::vector<Point> outline{{6, 0}, {20, 0}, {26, 6}, {26, 7.2}, {13, 19}, {0, 7.2}, {0, 6}};
  Fill(sprite, BoundsOf(outline), Polygon(outline), Layered(std::move(layers), Flat({150, 200, 246})));

  // Facet edges catch the light.
  constexpr Colour kEdge{236, 248, 255};
  const std::vector<std::pair<Point, Point>> edges{
      {{6, 0}, {8, 6}},      {{11, 0}, {8, 6}},         {{11, 0}, {13, 6}},   {{15, 0}, {13, 6}},
      {{15, 0}, {18, 6}},    {{20, 0}, {18, 6}},        {{8, 7.2}, {13, 19}}, {{13, 7.2}, {13, 19}},
      {{18, 7.2}, {13, 19}}, {{0.5, 6.6}, {25.5, 6.6}},
  };
  for (const auto &[from, to] : edges)
    Fill(sprite,
         {std::min(from.x, to.x) - 1, std::min(from.y, to.y) - 1, std::max(from.x, to.x) + 1,
          std::max(from.y, to.y) + 1},
         Capsule(from, to, 0.3), kEdge, 0.55);

  // A sparkle on the table and a glint low on the pavilion.
  constexpr Colour kWhite{255, 255, 255};
  Fill(sprite, {6, 0, 13, 6}, Capsule({7.4, 2.6}, {11.6, 2.6}, 0.45), kWhite);
  Fill(sprite, {6, 0, 13, 6}, Capsule({9.5, 0.6}, {9.5, 4.6}, 0.45), kWhite);
  Fill(sprite, {8, 1, 11, 4}, Ellipse({9.5, 2.6}, 1.1, 1.1), kWhite);
  Fill(sprite, {13, 8, 17, 14}, Capsule({14.6, 9.0}, {14.0, 12.2}, 0.55), kWhite, 0.8);
  return sprite;
}

Image DrawSmiley() {
  Image sprite(20, 22);
  const Point centre{10, 12};
  constexpr double kRadius = 10;

  // Laughing mouth: a half disc, upper teeth along its straight edge, the tongue at the bottom.
  const Region mouth = Both(Ellipse({10, 13.4}, 6.4, 6.0), HalfPlaneBelow(13.4));
  const Region teeth = Both(mouth, [](Point p) { return p.y < 15.3; });
  const Region tongue = Both(mouth, Ellipse({10, 19.6}, 3.9, 2.9));
  const Region lips = Both(Ellipse({10, 13.4}, 7.1, 6.7), HalfPlaneBelow(12.8));
  const Region eyeLeft = Ellipse({6.6, 8.9}, 1.6, 2.2);
  const Region eyeRight = Ellipse({13.4, 8.9}, 1.6, 2.2);
  const Region glints = [](Point p) {
    return std::hypot(p.x - 6.1, p.y - 8.0) <= 0.65 || std::hypot(p.x - 12.9, p.y - 8.0) <= 0.65;
  };
  const Paint skin = Radial({7, 8}, 13, 13, {255, 240, 120}, {236, 170, 10});
  const Paint face = Layered(
      {
          {Ring(centre, kRadius, 0.9), Flat({176, 104, 0})},
          {glints, Flat({255, 255, 255})},
          {eyeLeft, Flat({28, 92, 224})},
          {eyeRight, Flat({28, 92, 224})},
          {teeth, Flat({252, 252, 246})},
          {tongue, Flat({236, 60, 72})},
          {mouth, Flat({110, 18, 22})},
          {lips, Flat({150, 70, 0})},
      },
      skin);
  Fill(sprite, {0, 2, 20, 22}, Ellipse(centre, kRadius, kRadius), face);

  // A small white tuft of hair curling up from the crown, edged in grey where it stands on the face.
  const std::vector<Point> tuft{{8.3, 4.2},  {8.2, 2.3},  {9.3, 0.7}, {12.5, 0.0},
                                {11.5, 1.4}, {11.9, 2.7}, {11.8, 4.2}};
  for (const Point shift : {Point{-0.6, 0}, Point{0.6, 0}, Point{0, -0.6}, Point{0, 0.6}}) {
    std::vector<Point> moved;
    for (const Point &p : tuft)
      moved.push_back({p.x + shift.x, p.y + shift.y});
    Fill(sprite, {7, 0, 14, 5.5}, Both(Polygon(moved), Ellipse(centre, kRadius, kRadius)),
         Colour{150, 150, 160});
  }
  Fill(sprite, {7, 0, 14, 5.5}, Polygon(tuft), Linear({10, 0}, {10, 4.2}, {255, 255, 255}, {226, 228, 236}));
  return sprite;
}

Image DrawMonster() {
  Image sprite(20, 20);
  const Point centre{10, 10};
  constexpr double kRadius = 10;

  // Angry brows sloping down to the nose, the eyes cut off under them along the same slant.
  const auto mirrored = [](Point p) { return Point{p.x < 10 ? p.x : 20 - p.x, p.y}; };
  const Region brows = [=](Point p) { return Capsule({2.8, 4.2}, {8.7, 7.1}, 1.05)(mirrored(p)); };
  const Region eyes = [=](Point p) {
    const Point q = mirrored(p);
    return Ellipse({6.5, 9.7}, 2.0, 1.6)(q) && q.y > 6.9 + (q.x - 3.0) * 0.49;
  };
  const Region pupils = [=](Point p) { return Ellipse({7.0, 9.9}, 0.75, 0.75)(mirrored(p)); };

  // A wide clenched grin turned up at the corners: two rows of grey teeth in a dark mouth.
  const auto upperLip = [](double x) { return 12.5 - 0.035 * (x - 10) * (x - 10); };
  const auto lowerLip = [](double x) { return 17.0 - 0.07 * (x - 10) * (x - 10); };
  const auto between = [=](double grow) {
    return Region([=](Point p) {
      return p.x > 3.6 - grow && p.x < 16.4 + grow && p.y > upperLip(p.x) - grow &&
             p.y < lowerLip(p.x) + grow;
    });
  };
  const Region gaps = [=](Point p) {
    const double phase = std::fmod(p.x + 0.5, 3.0); // dark columns at x 5.5, 8.5, 11.5 and 14.5
    return phase < 0.45 || phase > 2.55 || std::abs(p.y - (upperLip(p.x) + lowerLip(p.x)) / 2) < 0.32;
  };
  const Paint skin = Radial({7, 6.5}, 14, 14, {255, 205, 70}, {232, 112, 8});
  const Paint face = Layered(
      {
          {Ring(centre, kRadius, 0.9), Flat({150, 60, 0})},
          {brows, Flat({12, 6, 2})},
          {pupils, Flat({230, 40, 24})},
          {eyes, Flat({14, 6, 2})},
          {Without(between(0), gaps), Linear({10, 11}, {10, 17}, {214, 214, 208}, {150, 150, 146})},
          {between(0.6), Flat({44, 12, 6})},
      },
      skin);
  Fill(sprite, {0, 0, 20, 20}, Ellipse(centre, kRadius, kRadius), face);
  return sprite;
}

} // namespace artgen
