// What the view must have painted: the maze picture and the clock face built from the images
// themselves, on a canvas colour that no image uses.
#pragma once

#include "maze/maze.h"
#include "tests/view/gdi_canvas.h"

#include <vector>

constexpr std::uint32_t UNPAINTED = 0x00FF00FF;

// The whole maze of 20 x 30 playable cells, and the clock dialog's client area.
constexpr int MAZE_PICTURE_WIDTH = 992;
constexpr int MAZE_PICTURE_HEIGHT = 672;
constexpr int CLIENT_WIDTH = 535;
constexpr int CLIENT_HEIGHT = 213;

// Every cell of the maze as the tile of its slot, at 32 times its column and row.
Image MazePicture(const Maze &maze);

// A glyph of the clock face: its character and the x of its left edge; every top edge is at y 30.
struct Placed {
  char character;
  int x;
};
// The dialog's client area with these glyphs on it.
Image FacePicture(const std::vector<Placed> &glyphs);

// The glyphs of 12:34:56.
extern const std::vector<Placed> TWELVE_THIRTY_FOUR;
