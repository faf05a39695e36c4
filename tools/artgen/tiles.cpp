#include "tools/artgen/tiles.h"

#include "tools/artgen/pictures.h"

namespace artgen {

namespace {

constexpr int kLeftStroke = 4; // columns 0 to 3
constexpr int kTopStroke = 5;  // rows 0 to 4

struct Placement {
  int left, top;
};

// A left stroke pushes the exit and the player right and down; the monster never moves.
Placement PlacementOf(Piece piece, bool leftStroke) {
  switch (piece) {
  case Piece::Exit:
    return leftStroke ? Placement{6, 10} : Placement{3, 9};
  case Piece::Player:
    return leftStroke ? Placement{8, 7} : Placement{6, 5};
  default:
    return {6, 6};
  }
}

Image Sprite(Piece piece) {
  switch (piece) {
  case Piece::Exit:
    return DrawDiamond();
  case Piece::Player:
    return DrawSmiley();
  default:
    return DrawMonster();
  }
}

void Solid(Image &tile, int left, int top, int right, int bottom, Colour colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      tile.at(x, y) = {colour.r, colour.g, colour.b, 1.0};
}

} // namespace

Image DrawTile(Walls walls, Piece piece) {
  Image tile(kTileSize, kTileSize, {kFloor.r, kFloor.g, kFloor.b, 1.0});
  const bool left = walls == Walls::Left || walls == Walls::LeftAndTop;
  const bool top = walls == Walls::Top || walls == Walls::LeftAndTop;
  if (piece != Piece::None) {
    const Placement at = PlacementOf(piece, left);
    Draw(tile, Sprite(piece), at.left, at.top);
  }
  // Strokes last: no picture reaches into them.
  if (left)
    Solid(tile, 0, 0, kLeftStroke, kTileSize, kWall);
  if (top)
    Solid(tile, 0, 0, kTileSize, kTopStroke, kWall);
  return tile;
}

} // namespace artgen
