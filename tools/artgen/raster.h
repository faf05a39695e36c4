// A small anti-aliasing rasteriser for the artwork: shapes are point predicates, filled by
// supersampling each pixel, so every picture is plain geometry and the output is reproducible.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

struct Colour {
  double r, g, b;
};

// Straight (not premultiplied) alpha; alpha runs 0 to 1, the channels 0 to 255.
struct Pixel {
  double r, g, b, a;
};

struct Point {
  double x, y;
};

// Pixel (x, y) covers the square from (x, y) to (x + 1, y + 1).
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Image(int w, int h, Pixel fill = {0, 0, 0, 0}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  Pixel &at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Pixel &at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// The same image rounded to 8 bits a channel.
struct Rgba8 {
  std::uint8_t r, g, b, a;
  bool operator==(const Rgba8 &) const = default;
};

struct Image8 {
  int width = 0;
  int height = 0;
  std::vector<Rgba8> pixels;

  const Rgba8 &at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

using Region = std::function<bool(Point)>;
using Paint = std::function<Colour(Point)>;

// Where a region can be non-empty: pixels outside are not sampled.
struct Bounds {
  double left, top, right, bottom;
};

// Composites the region over the image: each pixel's coverage is the share of its 8 x 8 samples
// inside the region, its colour the mean of the paint over those samples.
void Fill(Image &image, Bounds bounds, const Region &region, const Paint &paint, double opacity = 1.0);
void Fill(Image &image, Bounds bounds, const Region &region, Colour colour, double opacity = 1.0);

// Composites `sprite` over `image` with its top-left corner at (left, top); pixels stay aligned.
void Draw(Image &image, const Image &sprite, int left, int top);

Image8 Quantise(const Image &image);

// Shapes.
Region Polygon(std::vector<Point> vertices); // even-odd rule
Region Ellipse(Point centre, double radiusX, double radiusY);
Region Capsule(Point from, Point to, double radius); // a thick line with round ends
Region Rectangle(Bounds box);
Region Both(Region a, Region b);
Region Without(Region a, Region b);
Bounds BoundsOf(const std::vector<Point> &vertices);

// Paints.
// The paint of the first layer whose region holds the point, else `base`: one fill then covers
// several touching areas without seams between them.
struct Layer {
  Region region;
  Paint paint;
};
Paint Layered(std::vector<Layer> layers, Paint base);
Paint Flat(Colour colour);
Colour Mix(Colour a, Colour b, double t); // t = 0 gives a, 1 gives b
// Colour by distance from a centre, in units of the two radii: `inner` at the centre, `outer` at 1.
Paint Radial(Point centre, double radiusX, double radiusY, Colour inner, Colour outer);
// Colour along a direction: `from` at point a, `to` at point b, clamped beyond.
Paint Linear(Point a, Point b, Colour from, Colour to);

} // namespace artgen
