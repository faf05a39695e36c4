#include "tests/view/pictures.h"

#include "maze/grid.h"

#include <map>

namespace {

constexpr int TILE = 32;
constexpr int FACE_TOP = 30;

// Which bitmap shows each character: the digits' resources are not in numeric order.
const std::map<char, int> GLYPH_RESOURCE = {
    {'0', 111}, {'1', 106}, {'2', 110}, {'3', 109}, {'4', 104}, {'5', 103},
    {'6', 108}, {'7', 107}, {'8', 102}, {'9', 105}, {':', 112},
};

} // namespace

const std::vector<Placed> TWELVE_THIRTY_FOUR = {{'1', 28},  {'2', 93},  {':', 158}, {'3', 202},
                                                {'4', 267}, {':', 332}, {'5', 376}, {'6', 441}};

Image MazePicture(const Maze &maze) {
  std::vector<Image> tiles;
  for (const HBITMAP tile : maze.tiles)
    tiles.push_back(ReadBitmap(tile));
  Image picture = Blank(TILE * maze.colCount, TILE * maze.rowCount, UNPAINTED);
  for (int row = 0; row < maze.rowCount; ++row)
    for (int col = 0; col < maze.colCount; ++col)
      Paste(picture, tiles[TileSlot(*CellAt(maze, row, col))], TILE * col, TILE * row);
  return picture;
}

Image FacePicture(const std::vector<Placed> &glyphs) {
  Image picture = Blank(CLIENT_WIDTH, CLIENT_HEIGHT, UNPAINTED);
  for (const Placed &glyph : glyphs)
    Paste(picture, ReadBitmapResource(GLYPH_RESOURCE.at(glyph.character)), glyph.x, FACE_TOP);
  return picture;
}
