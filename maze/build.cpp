#include "maze/build.h"

#include "maze/generate.h"
#include "maze/grid.h"
#include "maze/random.h"

namespace {

void DeleteTiles(Maze &maze) noexcept {
  for (HBITMAP &tile : maze.tiles) {
    if (tile != nullptr)
      DeleteObject(tile);
    tile = nullptr;
  }
}

} // namespace

Maze &BuildMaze(Maze &maze, std::int32_t rows, std::int32_t cols) {
  maze.inMaze = {};
  maze.frontier = {};
  maze.grid = nullptr;
  maze.player = nullptr;
  maze.monster = nullptr;
  maze.outcome = 0;
  for (HBITMAP &tile : maze.tiles)
    tile = nullptr;

  const HMODULE module = GetModuleHandleA(nullptr);
  SeedRandom(GetTickCount());
  maze.rowCount = rows + 1;
  maze.colCount = cols + 1;

  try {
    AllocateGrid(maze, maze.rowCount, maze.colCount);
    GenerateMaze(maze, rows, cols);
  } catch (...) {
    Clear(maze.frontier);
    Clear(maze.inMaze);
    FreeGrid(maze, maze.rowCount, maze.colCount);
    maze.grid = nullptr;
    throw;
  }

  for (int slot = 0; slot < TILE_SLOTS; ++slot)
    maze.tiles[slot] = LoadBitmapA(module, MAKEINTRESOURCEA(TILE_RESOURCES[slot]));

  maze.player = PlaceOccupant(maze, OCC_PLAYER);
  maze.monster = PlaceOccupant(maze, OCC_MONSTER);
  PlaceOccupant(maze, OCC_EXIT);
  return maze;
}

Cell *PlaceOccupant(Maze &maze, std::int32_t occupant) {
  for (;;) {
    const std::int32_t row = RandomIndex(maze.rowCount - 1);
    const std::int32_t col = RandomIndex(maze.colCount - 1);
    Cell *cell = CellAt(maze, row, col);
    if (cell->occupant == OCC_EMPTY) {
      cell->occupant = occupant;
      return cell;
    }
  }
}

void DestroyMaze(Maze &maze) noexcept {
  FreeGrid(maze, maze.rowCount, maze.colCount);
  DeleteTiles(maze);
  Clear(maze.frontier);
  Clear(maze.inMaze);
}
