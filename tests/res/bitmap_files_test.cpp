// The stored bitmaps under res/art, read as the resource script wires them to their numbers.
#include "tests/res/bitmap_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

std::ostream &operator<<(std::ostream &out, const Rgb &c) {
  return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

namespace {

const std::string kResDir = CLOCKMAZE_RES_DIR;
constexpr Rgb kFloor{18, 14, 10};
constexpr Rgb kWall{252, 6, 6};

const std::map<int, BitmapFile> &Stored() {
  static const std::map<int, BitmapFile> bitmaps = [] {
    std::map<int, BitmapFile> read;
    for (const auto &[id, file] : BitmapFilesById(kResDir))
      read.emplace(id, ReadBitmapFile(kResDir + "/" + file));
    return read;
  }();
  return bitmaps;
}

const BitmapFile &Bitmap(int id) { return Stored().at(id); }

struct Box {
  int left, top, right, bottom; // inclusive
  bool operator==(const Box &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Box &b) {
  return out << "x " << b.left << " to " << b.right << ", y " << b.top << " to " << b.bottom;
}

// The smallest box around the pixels for which `keep` holds; right < left when there are none.
template <typename Keep> Box BoundingBox(const BitmapFile &image, Keep keep) {
  Box box{image.width, image.height, -1, -1};
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (keep(x, y, image.at(x, y)))
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
  return box;
}

bool Near(Rgb colour, Rgb expected, int tolerance) {
  return std::abs(colour.r - expected.r) <= tolerance && std::abs(colour.g - expected.g) <= tolerance &&
         std::abs(colour.b - expected.b) <= tolerance;
}

TEST(StoredBitmaps, TheScriptNamesAFileForEachOfTheTwentySevenNumbers) {
  std::vector<int> ids;
  for (const auto &[id, file] : BitmapFilesById(kResDir))
    ids.push_back(id);
  std::vector<int> expected(27);
  for (int i = 0; i < 27; ++i)
    expected[std::size_t(i)] = 102 + i;
  EXPECT_EQ(ids, expected);
}

TEST(StoredBitmaps, EveryFileHasTheStoredFormat) {
  for (const auto &[id, file] : BitmapFilesById(kResDir)) {
    SCOPED_TRACE(file);
    const BitmapFile bitmap = ReadBitmapFile(kResDir + "/" + file);
    const std::uint32_t stride = (std::uint32_t(bitmap.width) * 3 + 3) & ~3u;
    EXPECT_EQ(bitmap.type, 0x4d42); // "BM"
    EXPECT_EQ(bitmap.dataOffset, 14u + 40u) << "no colour table";
    EXPECT_EQ(bitmap.headerSize, 40u);
    EXPECT_GT(bitmap.height, 0) << "bottom-up";
    EXPECT_EQ(bitmap.planes, 1);
    EXPECT_EQ(bitmap.bitCount, 24);
    EXPECT_EQ(bitmap.compression, 0u) << "BI_RGB";
    EXPECT_EQ(bitmap.xPixelsPerMetre, 2834);
    EXPECT_EQ(bitmap.yPixelsPerMetre, 2834);
    EXPECT_EQ(bitmap.coloursUsed, 0u);
    EXPECT_EQ(bitmap.coloursImportant, 0u);
    EXPECT_EQ(bitmap.imageSize, stride * std::uint32_t(bitmap.height));
    EXPECT_EQ(bitmap.fileSize, 54 + stride * std::uint32_t(bitmap.height));
    EXPECT_EQ(ReadFileBytes(kResDir + "/" + file).size(), bitmap.fileSize);
  }
}

TEST(StoredBitmaps, SizesAreThoseTheClockAndTheMazeRestOn) {
  for (const auto &[id, bitmap] : Stored()) {
    SCOPED_TRACE(id);
    const int width = id <= 111 ? 65 : id == 112 ? 44 : 32;
    const int height = id <= 112 ? 99 : 32;
    EXPECT_EQ(bitmap.width, width);
    EXPECT_EQ(bitmap.height, height);
  }
}

// --- Maze tiles ---------------------------------------------------------------------------------

enum class Picture { None, Diamond, Smiley, Monster };

struct Tile {
  int id;
  bool left, top;
  Picture picture;
};

constexpr std::array<Tile, 16> kTiles{{
    {113, true, false, Picture::None},
    {114, true, false, Picture::Diamond},
    {115, true, false, Picture::Smiley},
    {116, true, false, Picture::Monster},
    {117, true, true, Picture::None},
    {118, true, true, Picture::Diamond},
    {119, true, true, Picture::Smiley},
    {120, true, true, Picture::Monster},
    {121, false, false, Picture::None},
    {122, false, false, Picture::Diamond},
    {123, false, false, Picture::Smiley},
    {124, false, false, Picture::Monster},
    {125, false, true, Picture::None},
    {126, false, true, Picture::Diamond},
    {127, false, true, Picture::Smiley},
    {128, false, true, Picture::Monster},
}};

void PrintTo(const Tile &tile, std::ostream *out) { *out << "tile " << tile.id; }

bool InStroke(const Tile &tile, int x, int y) { return (tile.left && x <= 3) || (tile.top && y <= 4); }

Box PictureBox(const Tile &tile) {
  switch (tile.picture) {
  case Picture::Diamond:
    return tile.left ? Box{6, 10, 31, 28} : Box{3, 9, 28, 27};
  case Picture::Smiley:
    return tile.left ? Box{8, 7, 27, 28} : Box{6, 5, 25, 26};
  default:
    return {6, 6, 25, 25};
  }
}

class TileTest : public ::testing::TestWithParam<Tile> {};

TEST_P(TileTest, StrokeAreasAreWallColourInEveryPixel) {
  const Tile tile = GetParam();
  const BitmapFile &image = Bitmap(tile.id);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (InStroke(tile, x, y)) {
        ASSERT_EQ(image.at(x, y), kWall) << "at " << x << ", " << y;
      }
    }
}

TEST_P(TileTest, OutsideTheStrokesIsFloorAndAtMostThePictureInItsBox) {
  const Tile tile = GetParam();
  const BitmapFile &image = Bitmap(tile.id);
  const Box box =
      BoundingBox(image, [&](int x, int y, Rgb c) { return !InStroke(tile, x, y) && c != kFloor; });
  if (tile.picture == Picture::None)
    EXPECT_LT(box.right, box.left) << "an empty tile holds only floor and wall: " << box;
  else
    EXPECT_EQ(box, PictureBox(tile));
}

INSTANTIATE_TEST_SUITE_P(StoredBitmaps, TileTest, ::testing::ValuesIn(kTiles),
                         [](const auto &test) { return std::to_string(test.param.id); });

TEST(StoredBitmaps, StrokesOfTile117MeetInASolidCorner) {
  const BitmapFile &image = Bitmap(117);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(image.at(x, y), kWall) << x << ", " << y;
  EXPECT_EQ(image.at(4, 5), kFloor);
}

TEST(StoredBitmaps, EachPictureIsTheSameInAllFourOfItsTiles) {
  for (const Tile &tile : kTiles) {
    if (tile.picture == Picture::None)
      continue;
    const Tile &model = kTiles[std::size_t(8 + (tile.id - 113) % 4)]; // the same picture with no strokes
    const Box box = PictureBox(tile);
    const Box modelBox = PictureBox(model);
    for (int y = 0; y <= box.bottom - box.top; ++y)
      for (int x = 0; x <= box.right - box.left; ++x)
        ASSERT_EQ(Bitmap(tile.id).at(box.left + x, box.top + y),
                  Bitmap(model.id).at(modelBox.left + x, modelBox.top + y))
            << "tile " << tile.id << " at " << x << ", " << y << " of its picture";
  }
}

// --- Clock glyphs -------------------------------------------------------------------------------

// Segment centres of the leaning figure: upright, its strokes run along u = 3 and 35 and y = 15, 48
// and 81; leaning, x = 5 + u + (84 - y) / 4.
struct Sample {
  char segment;
  double u, y;
};
constexpr std::array<Sample, 7> kSegmentCentres{{
    {'a', 19, 15},
    {'b', 35, 31.5},
    {'c', 35, 64.5},
    {'d', 19, 81},
    {'e', 3, 64.5},
    {'f', 3, 31.5},
    {'g', 19, 48},
}};

struct Digit {
  int id;
  int shown;
  const char *lit;
};

constexpr std::array<Digit, 10> kDigits{{
    {111, 0, "abcdef"},
    {106, 1, "bc"},
    {110, 2, "abdeg"},
    {109, 3, "abcdg"},
    {104, 4, "bcfg"},
    {103, 5, "acdfg"},
    {108, 6, "acdefg"},
    {107, 7, "abc"},
    {102, 8, "abcdefg"},
    {105, 9, "abcdfg"},
}};

void PrintTo(const Digit &digit, std::ostream *out) {
  *out << "bitmap " << digit.id << " (" << digit.shown << ")";
}

class DigitTest : public ::testing::TestWithParam<Digit> {};

TEST_P(DigitTest, LightsExactlyItsSegments) {
  const Digit digit = GetParam();
  const BitmapFile &image = Bitmap(digit.id);
  for (const Sample &s : kSegmentCentres) {
    const int x = static_cast<int>(5 + s.u + (84 - s.y) / 4);
    const Rgb c = image.at(x, static_cast<int>(s.y));
    const bool lit = std::string_view(digit.lit).find(s.segment) != std::string_view::npos;
    if (lit)
      EXPECT_TRUE(Near(c, {254, 60, 33}, 12)) << "segment " << s.segment << " should be lit, is " << c;
    else
      EXPECT_TRUE(Near(c, {30, 15, 14}, 8)) << "segment " << s.segment << " should be dim, is " << c;
  }
}

TEST_P(DigitTest, StandsOnAWarmNearBlackOutsideTheFigure) {
  const BitmapFile &image = Bitmap(GetParam().id);
  for (int y = 0; y < 99; ++y)
    for (int x = 0; x < 65; ++x) {
      if (x >= 4 && x <= 61 && y >= 10 && y <= 85)
        continue;
      const Rgb c = image.at(x, y);
      ASSERT_TRUE(c.r >= 6 && c.r <= 22 && c.g >= 6 && c.g <= 22 && c.b >= 6 && c.b <= 22 && c.r >= c.b)
          << "at " << x << ", " << y << ": " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(StoredBitmaps, DigitTest, ::testing::ValuesIn(kDigits),
                         [](const auto &test) { return "digit" + std::to_string(test.param.shown); });

TEST(StoredBitmaps, TheEightFillsItsBoxAndItsSegmentsAverageBrightRedOrange) {
  const BitmapFile &eight = Bitmap(102);
  const auto bright = [](int, int, Rgb c) { return c.r > 60; };
  const Box box = BoundingBox(eight, bright);
  EXPECT_NEAR(box.left, 5, 1);
  EXPECT_NEAR(box.right, 60, 1);
  EXPECT_NEAR(box.top, 12, 1);
  EXPECT_NEAR(box.bottom, 83, 1);
  double r = 0, g = 0, b = 0;
  int count = 0;
  for (const Rgb &c : eight.pixels)
    if (c.r > 200) {
      r += c.r, g += c.g, b += c.b;
      ++count;
    }
  ASSERT_GT(count, 0);
  EXPECT_TRUE(
      Near({std::uint8_t(r / count), std::uint8_t(g / count), std::uint8_t(b / count)}, {246, 54, 34}, 6));
}

TEST(StoredBitmaps, TheColonHasTwoGlowingDotsTheLowerFurtherLeft) {
  const BitmapFile &colon = Bitmap(112);
  EXPECT_EQ(colon.at(0, 0), kFloor);
  EXPECT_EQ(colon.at(43, 98), kFloor);
  EXPECT_EQ(colon.at(22, 50), kFloor);
  const Box upper = BoundingBox(colon, [](int, int y, Rgb c) { return y < 50 && c != Rgb{18, 14, 10}; });
  const Box lower = BoundingBox(colon, [](int, int y, Rgb c) { return y >= 50 && c != Rgb{18, 14, 10}; });
  EXPECT_EQ(upper, (Box{22, 11, 37, 29}));
  EXPECT_EQ(lower, (Box{9, 77, 25, 95}));
  EXPECT_TRUE(Near(colon.at(30, 20), {255, 200, 80}, 10)) << colon.at(30, 20);
  EXPECT_TRUE(Near(colon.at(17, 86), {255, 200, 80}, 10)) << colon.at(17, 86);
}

} // namespace
