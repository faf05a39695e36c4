// Small mazes for the model's tests, and the properties a carved maze must have.
#pragma once

#include "maze/generate.h"
#include "maze/grid.h"
#include "maze/random.h"

#include <cstdint>
#include <vector>

// A freshly allocated grid of rows x cols playable cells (plus the extra row and column),
// released with its lists when the test ends.
struct GridFixture {
  Maze maze{};
  std::int32_t rows;
  std::int32_t cols;

  GridFixture(std::int32_t playableRows, std::int32_t playableCols) : rows(playableRows), cols(playableCols) {
    maze.rowCount = rows + 1;
    maze.colCount = cols + 1;
    AllocateGrid(maze, maze.rowCount, maze.colCount);
  }
  ~GridFixture() {
    FreeGrid(maze, maze.rowCount, maze.colCount);
    Clear(maze.frontier);
    Clear(maze.inMaze);
  }
  GridFixture(const GridFixture &) = delete;
  GridFixture &operator=(const GridFixture &) = delete;

  Cell *at(std::int32_t row, std::int32_t col) const { return CellAt(maze, row, col); }

  void Generate(std::uint32_t seed) {
    SeedRandom(seed);
    GenerateMaze(maze, rows, cols);
  }
};

// Walls opened anywhere in the allocated grid.
inline int CountOpenings(const Maze &maze) {
  int openings = 0;
  for (std::int32_t r = 0; r < maze.rowCount; ++r)
    for (std::int32_t c = 0; c < maze.colCount; ++c)
      openings += (CellAt(maze, r, c)->topWall == 0) + (CellAt(maze, r, c)->leftWall == 0);
  return openings;
}

// Playable cells reachable from (0, 0) through open walls.
inline int CountReachable(const Maze &maze) {
  const std::int32_t rows = maze.rowCount - 1;
  const std::int32_t cols = maze.colCount - 1;
  std::vector<bool> seen(static_cast<std::size_t>(rows * cols));
  std::vector<std::pair<std::int32_t, std::int32_t>> pending{{0, 0}};
  seen[0] = true;
  int reached = 0;
  auto visit = [&](std::int32_t r, std::int32_t c, bool open) {
    if (open && r >= 0 && r < rows && c >= 0 && c < cols && !seen[r * cols + c]) {
      seen[r * cols + c] = true;
      pending.emplace_back(r, c);
    }
  };
  while (!pending.empty()) {
    const auto [r, c] = pending.back();
    pending.pop_back();
    ++reached;
    const Cell *cell = CellAt(maze, r, c);
    visit(r, c - 1, cell->leftWall == 0);
    visit(r - 1, c, cell->topWall == 0);
    visit(r, c + 1, c + 1 < cols && CellAt(maze, r, c + 1)->leftWall == 0);
    visit(r + 1, c, r + 1 < rows && CellAt(maze, r + 1, c)->topWall == 0);
  }
  return reached;
}

// The outer border and the extra row and column stand untouched.
inline bool BorderStands(const Maze &maze) {
  for (std::int32_t r = 0; r < maze.rowCount; ++r)
    for (std::int32_t c = 0; c < maze.colCount; ++c) {
      const Cell *cell = CellAt(maze, r, c);
      const bool extra = r == maze.rowCount - 1 || c == maze.colCount - 1;
      if ((r == 0 || extra) && cell->topWall == 0)
        return false;
      if ((c == 0 || extra) && cell->leftWall == 0)
        return false;
      if (extra && (cell->buildState != BUILD_UNREACHED || cell->occupant != OCC_EMPTY))
        return false;
    }
  return true;
}

// The first values the generator yields after a seed: to count how many a call drew.
inline std::vector<int> Draws(std::uint32_t seed, int count) {
  SeedRandom(seed);
  std::vector<int> values;
  for (int i = 0; i < count; ++i)
    values.push_back(DrawRandom());
  return values;
}
