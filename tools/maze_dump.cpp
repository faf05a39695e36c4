// Builds a maze from a seed, as the game would with that tick count, and prints it as text:
// every wall, and the player (P), the monster (M) and the exit (E).
//   maze_dump [seed] [rows] [cols]      (defaults: the current time, 20, 30)
#include "maze/build.h"
#include "maze/grid.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

char PieceMark(std::int32_t occupant) {
  switch (occupant) {
  case OCC_PLAYER:
    return 'P';
  case OCC_MONSTER:
    return 'M';
  case OCC_EXIT:
    return 'E';
  default:
    return ' ';
  }
}

// The allocated grid drawn whole: the extra row gives the bottom border, the extra column the right.
std::string Render(const Maze &maze) {
  std::string text;
  for (std::int32_t row = 0; row < maze.rowCount; ++row) {
    for (std::int32_t col = 0; col + 1 < maze.colCount; ++col)
      text += CellAt(maze, row, col)->topWall ? "+---" : "+   ";
    text += "+\n";
    if (row + 1 == maze.rowCount)
      break;
    for (std::int32_t col = 0; col < maze.colCount; ++col) {
      const Cell *cell = CellAt(maze, row, col);
      text += cell->leftWall ? '|' : ' ';
      if (col + 1 < maze.colCount)
        text += std::string{' ', PieceMark(cell->occupant), ' '};
    }
    text += '\n';
  }
  return text;
}

bool ParseNumber(const char *text, long long low, long long high, long long &value) {
  char *end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0' && value >= low && value <= high;
}

} // namespace

int main(int argc, char **argv) {
  long long seed = std::chrono::steady_clock::now().time_since_epoch().count() & 0xffffffff;
  long long rows = 20;
  long long cols = 30;
  if (argc > 4 || (argc > 1 && !ParseNumber(argv[1], 0, 0xffffffffLL, seed)) ||
      (argc > 2 && !ParseNumber(argv[2], 1, 1000, rows)) || (argc > 3 && !ParseNumber(argv[3], 1, 1000, cols)) ||
      rows * cols < 3) {
    std::fprintf(stderr, "usage: maze_dump [seed 0..4294967295] [rows 1..1000] [cols 1..1000], rows x cols >= 3\n");
    return 2;
  }

  standin::SetTickCount(static_cast<DWORD>(seed));
  Maze maze;
  BuildMaze(maze, static_cast<std::int32_t>(rows), static_cast<std::int32_t>(cols));
  std::printf("seed %lld, %lld x %lld\n%s", seed, rows, cols, Render(maze).c_str());
  DestroyMaze(maze);
  return 0;
}
