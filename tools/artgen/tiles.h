// The 32 x 32 maze tiles: floor, wall strokes along the left and top edges, at most one piece.
#pragma once

#include "tools/artgen/raster.h"

namespace artgen {

inline constexpr int kTileSize = 32;
inline constexpr Colour kFloor{18, 14, 10};
inline constexpr Colour kWall{252, 6, 6};

enum class Walls { Left, LeftAndTop, None, Top };
enum class Piece { None, Exit, Player, Monster };

Image DrawTile(Walls walls, Piece piece);

} // namespace artgen
