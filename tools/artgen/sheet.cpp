#include "tools/artgen/sheet.h"

#include "tools/artgen/catalogue.h"

#include <algorithm>
#include <map>
#include <string>

namespace artgen {

namespace {

constexpr Rgba8 kPaper{92, 92, 96, 255};
constexpr int kGap = 12;

struct Sheet {
  Image8 image;

  Sheet(int width, int height)
      : image{width, height, std::vector<Rgba8>(std::size_t(width) * height, kPaper)} {}

  Rgba8 &at(int x, int y) { return image.pixels[std::size_t(y) * image.width + x]; }

  // Nearest-neighbour enlargement; alpha blends over a checkerboard so transparency shows.
  void Put(const Image8 &source, int left, int top, int scale) {
    for (int y = 0; y < source.height * scale; ++y)
      for (int x = 0; x < source.width * scale; ++x) {
        const Rgba8 &p = source.at(x / scale, y / scale);
        const std::uint8_t check = ((x / 8 + y / 8) % 2) ? 200 : 150;
        const auto blend = [&](std::uint8_t c) {
          return static_cast<std::uint8_t>((c * p.a + check * (255 - p.a) + 127) / 255);
        };
        at(left + x, top + y) = {blend(p.r), blend(p.g), blend(p.b), 255};
      }
  }
};

// A patch of maze with every wall form and the three pieces, drawn the way the game draws cells:
// the extra last row and column carry only the bottom and right border.
Image8 MazePatch(const std::map<int, const Image8 *> &byId) {
  constexpr int kRows = 5, kCols = 9;
  // Per cell: t = top wall, l = left wall, b = both, . = neither; P, M, E mark the pieces.
  const char *walls[kRows] = {"btttbtttt", "l.lt..l.t", "lt.l.t.l.", "l.t.lb..t", "ltt.t.lt."};
  const char *pieces[kRows] = {".........", "..P......", ".........", "......M..", "........E"};
  Image8 patch{(kCols + 1) * 32, (kRows + 1) * 32,
               std::vector<Rgba8>(std::size_t(kCols + 1) * 32 * (kRows + 1) * 32)};
  for (int row = 0; row <= kRows; ++row)
    for (int col = 0; col <= kCols; ++col) {
      char form = '.';
      char piece = '.';
      if (row < kRows && col < kCols) {
        form = walls[row][col];
        piece = pieces[row][col];
        if (col == 0)
          form = form == 't' || form == 'b' ? 'b' : 'l';
        if (row == 0)
          form = form == 'l' || form == 'b' ? 'b' : 't';
      } else if (row == kRows && col < kCols) {
        form = 't';
      } else if (col == kCols && row < kRows) {
        form = 'l';
      }
      const int group = form == 'l' ? 0 : form == 'b' ? 1 : form == '.' ? 2 : 3;
      const int picture = piece == 'E' ? 1 : piece == 'P' ? 2 : piece == 'M' ? 3 : 0;
      const Image8 &tile = *byId.at(113 + group * 4 + picture);
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          patch.pixels[std::size_t(row * 32 + y) * patch.width + col * 32 + x] = tile.at(x, y);
    }
  return patch;
}

} // namespace

Image8 ContactSheet() {
  const std::vector<Bitmap> bitmaps = Bitmaps();
  std::map<int, const Image8 *> byId;
  for (const Bitmap &bitmap : bitmaps)
    byId[bitmap.id] = &bitmap.image;
  const int digitIds[10] = {111, 106, 110, 109, 104, 103, 108, 107, 102, 105};
  const auto glyph = [&](char c) -> const Image8 & {
    return c == ':' ? *byId.at(112) : *byId.at(digitIds[c - '0']);
  };

  Sheet sheet(1480, 1640);
  int y = kGap;
  // The glyphs, enlarged twice, 0 to 9 and the colon.
  int x = kGap;
  for (char c : std::string("0123456789:")) {
    sheet.Put(glyph(c), x, y, 2);
    x += glyph(c).width * 2 + 8;
  }
  y += 99 * 2 + kGap;
  // Two clock faces at actual size, between them every digit.
  x = kGap;
  for (const std::string text : {"12:34:56", "07:08:09"}) {
    for (char c : text) {
      sheet.Put(glyph(c), x, y, 1);
      x += glyph(c).width;
    }
    x += 40;
  }
  y += 99 + kGap;
  // The tiles enlarged six times, one row per wall group.
  for (int group = 0; group < 4; ++group)
    for (int picture = 0; picture < 4; ++picture)
      sheet.Put(*byId.at(113 + group * 4 + picture), kGap + picture * (192 + 8), y + group * (192 + 8), 6);
  // The same tiles at actual size and a patch of maze, as is and doubled.
  const int right = kGap + 4 * 200 + kGap;
  for (int group = 0; group < 4; ++group)
    for (int picture = 0; picture < 4; ++picture)
      sheet.Put(*byId.at(113 + group * 4 + picture), right + picture * 40, y + group * 40, 1);
  const Image8 patch = MazePatch(byId);
  sheet.Put(patch, right + 4 * 40 + kGap, y, 1);
  sheet.Put(patch, right, y + 4 * 40 + kGap, 2);
  y += 4 * 200 + kGap;
  // The icon at each of its sizes over a checkerboard, then the two smallest enlarged.
  const std::vector<Image8> icons = IconImages();
  x = kGap;
  for (const Image8 &icon : icons) {
    sheet.Put(icon, x, y, 1);
    x += icon.width + kGap;
  }
  sheet.Put(icons[0], x, y, 8);
  sheet.Put(icons[1], x + 128 + kGap, y, 4);
  return sheet.image;
}

} // namespace artgen
