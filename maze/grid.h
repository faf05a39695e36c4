// The grid operations everything else rests on. A cell carries no coordinates: its position is
// found by scanning the grid, and every NeighboursOf pays that scan.
#pragma once

#include "maze/maze.h"

#include <memory>

// Makes rowCount row arrays of colCount new cells (both walls standing, all else 0). An
// allocation failure passes to the caller and leaves a grid that FreeGrid can still release.
void AllocateGrid(Maze &maze, std::int32_t rowCount, std::int32_t colCount);

// Frees every cell, every row array and the array of rows; grid, player and monster keep their
// stale references.
void FreeGrid(Maze &maze, std::int32_t rowCount, std::int32_t colCount) noexcept;

// The cell at a position of the allocated grid (extra row and column included), or none.
Cell *CellAt(const Maze &maze, std::int32_t row, std::int32_t col);

// The first position of the allocated grid holding this cell; false, outputs untouched, if none.
bool LocateCell(const Maze &maze, const Cell *cell, std::int32_t &row, std::int32_t &col);

// The cell's neighbours within the playable area, as a fresh record the caller owns; none when
// the cell is not in the grid.
std::unique_ptr<Neighbours> NeighboursOf(const Maze &maze, const Cell *cell);
