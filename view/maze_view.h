// Drawing of a whole maze into the maze window, one 32 x 32 tile per allocated cell.
#pragma once

#include "maze/maze.h"

// Pixel size of one cell's tile.
constexpr int TILE_SIZE = 32;

// The maze PaintMaze draws. The maze window sets it when it is created.
extern Maze *paintedMaze;

// Draws every allocated cell of paintedMaze, the extra row and column included, with the cell at
// row r, column c at pixel (32 c, 32 r) of paintDC, the drawing context BeginPaint gave for
// window. Holds the maze's lock while it reads the maze. Draws nothing when the window's client
// rectangle cannot be had or no maze is set; the tiles stay the maze's.
void PaintMaze(HDC paintDC, HWND window);
