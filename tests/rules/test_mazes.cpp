#include "tests/rules/test_mazes.h"

#include "maze/generate.h"
#include "maze/grid.h"
#include "maze/random.h"

void WallMaze(Maze &maze, std::int32_t rows, std::int32_t cols) {
  maze.rowCount = rows + 1;
  maze.colCount = cols + 1;
  AllocateGrid(maze, maze.rowCount, maze.colCount);
}

void CarveMaze(Maze &maze, std::uint32_t seed, std::int32_t rows, std::int32_t cols) {
  SeedRandom(seed);
  WallMaze(maze, rows, cols);
  GenerateMaze(maze, rows, cols);
}

void DrawMaze(Maze &maze, const std::vector<std::string_view> &picture) {
  const auto rows = static_cast<std::int32_t>(picture.size() / 2);
  const auto cols = static_cast<std::int32_t>(picture.front().size() / 4);
  WallMaze(maze, rows, cols);
  for (std::int32_t row = 0; row <= rows; ++row) {
    for (std::int32_t col = 0; col <= cols; ++col) {
      Cell *cell = At(maze, {row, col});
      if (col < cols)
        cell->topWall = picture[2 * row][4 * col + 1] == '-';
      if (row == rows)
        continue;
      const std::string_view line = picture[2 * row + 1];
      cell->leftWall = line[4 * col] == '|';
      if (col == cols)
        continue;
      switch (line[4 * col + 2]) {
      case 'M':
        cell->occupant = OCC_MONSTER;
        maze.monster = cell;
        break;
      case 'P':
        cell->occupant = OCC_PLAYER;
        maze.player = cell;
        break;
      case 'E':
        cell->occupant = OCC_EXIT;
        break;
      default:
        break;
      }
    }
  }
}

Cell *At(const Maze &maze, Position position) { return CellAt(maze, position.row, position.col); }
