#include "maze/grid.h"

void AllocateGrid(Maze &maze, std::int32_t rowCount, std::int32_t colCount) {
  // Rows and cells start absent, so a failure half-way leaves something FreeGrid can walk.
  maze.grid = new Cell **[rowCount]();
  for (std::int32_t row = 0; row < rowCount; ++row) {
    maze.grid[row] = new Cell *[colCount]();
    for (std::int32_t col = 0; col < colCount; ++col)
      maze.grid[row][col] = new Cell{1, 1, BUILD_UNREACHED, OCC_EMPTY, 0};
  }
}

void FreeGrid(Maze &maze, std::int32_t rowCount, std::int32_t colCount) noexcept {
  if (maze.grid == nullptr)
    return;
  for (std::int32_t row = 0; row < rowCount; ++row) {
    Cell **cells = maze.grid[row];
    if (cells == nullptr)
      continue;
    for (std::int32_t col = 0; col < colCount; ++col)
      delete cells[col];
    delete[] cells;
  }
  delete[] maze.grid;
}

Cell *CellAt(const Maze &maze, std::int32_t row, std::int32_t col) {
  if (row < 0 || row >= maze.rowCount || maze.grid == nullptr || maze.grid[row] == nullptr || col < 0 ||
      col >= maze.colCount)
    return nullptr;
  return maze.grid[row][col];
}

bool LocateCell(const Maze &maze, const Cell *cell, std::int32_t &row, std::int32_t &col) {
  if (cell == nullptr || maze.grid == nullptr)
    return false;
  for (std::int32_t r = 0; r < maze.rowCount; ++r) {
    Cell *const *cells = maze.grid[r];
    if (cells == nullptr)
      continue;
    for (std::int32_t c = 0; c < maze.colCount; ++c) {
      if (cells[c] == cell) {
        row = r;
        col = c;
        return true;
      }
    }
  }
  return false;
}

std::unique_ptr<Neighbours> NeighboursOf(const Maze &maze, const Cell *cell) {
  auto neighbours = std::make_unique<Neighbours>();
  std::int32_t row = 0;
  std::int32_t col = 0;
  if (!LocateCell(maze, cell, row, col))
    return nullptr;
  // Right and down stop at the last playable column and row: the extra ones are nobody's neighbour.
  neighbours->left = col - 1 >= 0 ? CellAt(maze, row, col - 1) : nullptr;
  neighbours->right = col + 1 <= maze.colCount - 2 ? CellAt(maze, row, col + 1) : nullptr;
  neighbours->up = row - 1 >= 0 ? CellAt(maze, row - 1, col) : nullptr;
  neighbours->down = row + 1 <= maze.rowCount - 2 ? CellAt(maze, row + 1, col) : nullptr;
  return neighbours;
}
